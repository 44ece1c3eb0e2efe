#pragma once

#include <string>

namespace velocarta::rtf {

// Code pages the reader decodes \'hh bytes and 8-bit text with. Windows numbers, plus two
// of our own for the glyph positions of symbol fonts.
constexpr int kDefaultCodePage = 1252;
constexpr int kSymbolCodePage = 42;      // the Symbol font (Windows' CP_SYMBOL)
constexpr int kWingdingsCodePage = -42;  // Wingdings and its kin: only their list bullets

// The code page of a font's \fcharset; ansiCodePage for the default charset (1) and for
// charsets we carry no table of.
int CodePageOfCharset(int charset, int ansiCodePage);

// Whether bytes of this code page can be decoded by DecodeByte (the others read as 1252).
bool IsKnownCodePage(int codePage);

// The character of one byte. Bytes below 0x80 are ASCII except in the symbol pages.
char32_t DecodeByte(int codePage, unsigned char byte);

// A symbol font's character written as \uN in the private-use page U+F020..U+F0FF: the
// character of that glyph in the font's code page. Other characters come back unchanged.
char32_t MapSymbolPrivateUse(int codePage, char32_t character);

void AppendUtf8(std::string& out, char32_t character);

}  // namespace velocarta::rtf
