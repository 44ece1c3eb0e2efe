#pragma once

#include <string>
#include <string_view>

namespace velocarta {

// Letter case as the content rules use it: ASCII letters only. Bytes of other characters
// (UTF-8 sequences in host file names) pass through unchanged, so a name that was
// upper-cased still finds its file through the case-blind lookup.
std::string AsciiUpper(std::string_view text);
std::string AsciiLower(std::string_view text);
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

// The characters of text from 1-based position `start`, at most `length` of them; fewer (or
// none) where the text is shorter, never an error.
std::string_view Mid(std::string_view text, std::size_t start, std::size_t length);

// "&" becomes "&&", so that a menu caption shows the ampersand instead of taking the next
// letter as its access key.
std::string DoubleAmpersands(std::string_view text);

// The text without the blanks around it: spaces, tabs and line ends.
std::string_view TrimBlanks(std::string_view text);

// The value of a hexadecimal digit, in either case; -1 for any other character.
int HexValue(char c);

}  // namespace velocarta
