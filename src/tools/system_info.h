#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "platform/prompter.h"
#include "platform/registry.h"

namespace velocarta {

// Where other programs name the system-information program, in the order they are asked:
// the program's full path, then the folder it lies in as "MSINFO32.EXE".
inline constexpr std::string_view kMsInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr std::string_view kMsInfoPathValue = "PATH";
inline constexpr std::string_view kMsInfoLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr std::string_view kMsInfoLocationValue = "MSINFO";
inline constexpr std::string_view kMsInfoProgramFile = "/MSINFO32.EXE";

// A value of the store as text, or nothing when the key or the value cannot be read or the
// value is longer than the 1024 bytes it is read into. A text that ends in a NUL comes without
// it; a number (REG_DWORD) comes as "&h" and the hexadecimal digits of its bytes from the
// last to the first, two for each ("&h00000010").
std::optional<std::string> ReadRegistryString(const Registry& registry, RegistryRoot root,
                                              std::string_view keyPath, std::string_view valueName);

// The system-information program to start: the path the first place names, or else the
// program file in the folder the second names when that file exists; nothing when neither
// is there.
std::optional<std::string> FindSystemInfoProgram(const Registry& registry, FileSystem& fileSystem);

// No system-information program was found, or it did not start.
Message SystemInfoUnavailableMessage();

}  // namespace velocarta
