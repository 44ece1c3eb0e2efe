#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velocarta::sampledisc {

// The code points of a UTF-8 text. Throws std::runtime_error naming the byte offset when
// the text is not valid UTF-8.
std::u32string DecodeUtf8(std::string_view text);
std::string EncodeUtf8(std::u32string_view text);

// The Windows-1252 byte of a character, for the \'hh escapes of documents written on a
// Windows disc; nothing for characters outside that code page.
std::optional<unsigned char> ToWindows1252(char32_t c);

// A plain ASCII stand-in for a character, shown by readers that skip \u escapes.
char AsciiFallback(char32_t c);

}  // namespace velocarta::sampledisc
