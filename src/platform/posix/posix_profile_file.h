#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velocarta {

// Writes `key` = `value` into `section` of the settings (INI) file at `path`, as a
// profile-string write does (SetProfileString): the file is made when missing, an existing
// value is replaced and every other line is kept. The new contents replace the old in one
// step, so a failed write leaves the file as it was; the file keeps its permissions, and a
// file reached through a symbolic link is written where the link points. A file the user
// may not write is refused, as is a missing folder. Throws FileSystemError (with the
// system's description of the failure) or ProfileValueError.
void WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value);

// The whole text of a settings file: nothing when there is no such file. Throws
// FileSystemError when it exists but cannot be read.
std::optional<std::string> ReadProfileFile(const std::string& path);

}  // namespace velocarta
