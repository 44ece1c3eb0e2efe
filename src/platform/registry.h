#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace velocarta {

// The store is missing, unreadable or malformed. The message says which file and line.
class RegistryError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The top-level keys of the store, as the .reg format names them.
enum class RegistryRoot { ClassesRoot, CurrentUser, LocalMachine, Users, CurrentConfig };

// Value types with the numbers the .reg format gives them in "hex(n):".
namespace registry_type {
inline constexpr std::uint32_t kNone = 0;
inline constexpr std::uint32_t kString = 1;
inline constexpr std::uint32_t kExpandString = 2;
inline constexpr std::uint32_t kBinary = 3;
inline constexpr std::uint32_t kDword = 4;
inline constexpr std::uint32_t kMultiString = 7;
}  // namespace registry_type

// A value as the store holds it: its type and its bytes. A string value holds its text and
// the NUL that ends it; a number (kDword) its four bytes, lowest first.
struct RegistryValue {
    std::uint32_t type = registry_type::kNone;
    std::string bytes;
    friend bool operator==(const RegistryValue&, const RegistryValue&) = default;
};

// A registry-like store of settings that other programs leave for this one: keys below a
// root, separated by '\', each holding named values. Key and value names are matched without
// regard to ASCII letter case; the empty name is the key's default value.
class Registry {
  public:
    virtual ~Registry() = default;
    // The value, or nothing when the key or the value is not there. Throws RegistryError when
    // the store cannot be read.
    virtual std::optional<RegistryValue> readValue(RegistryRoot root, std::string_view keyPath,
                                                   std::string_view valueName) const = 0;
};

}  // namespace velocarta
