#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace velocarta {

// A value that cannot be written into a settings file as one line.
class ProfileValueError : public std::invalid_argument {
  public:
    using std::invalid_argument::invalid_argument;
};

// The text of a settings (INI) file after writing `key` = `value` into `section`, the way a
// profile-string write does it: the section is added at the end when it is missing, the
// first line of the key in the first section of that name gets the new value, or the key is
// added after the section's last entry; section and key names match without regard to
// ASCII case and to blanks around them. Every other line stays exactly as it was, with its
// own line end; new lines take the file's line end (LF in a new file), and a last line
// without one gets one before anything follows it. Throws ProfileValueError when a name or
// the value holds a line break, or a name is empty or holds what would end it ('=', ']').
std::string SetProfileString(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view value);

// The value of `key` in the first `section` of the text, with the blanks around it and one
// pair of enclosing double quotes taken off; nothing when the section or key is missing.
std::optional<std::string> GetProfileString(std::string_view text, std::string_view section,
                                            std::string_view key);

}  // namespace velocarta
