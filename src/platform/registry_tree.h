#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "platform/registry.h"

namespace velocarta {

// The contents of a registry-like store, built from texts in the .reg format that registry
// editors export:
//
//   Windows Registry Editor Version 5.00          (or REGEDIT4; optional)
//   ; a comment
//   [HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Shared Tools\MSINFO]
//   "PATH"="/usr/bin/hardinfo"                    a string (\\ and \" inside the quotes)
//   @="..."                                       the key's default value
//   "Count"=dword:00000010                        a number, up to eight hex digits
//   "Raw"=hex:01,02,ff                            bytes; hex(n): gives them type n, so
//   "Empty"=hex(0):                               hex(0): is a value of no type
//   "Old"=-                                       removes a value given before
//   [-HKEY_CURRENT_USER\Software\Old]             removes a key and everything below it
//
// Byte lists may go on over several lines, each but the last ending in '\'. The roots
// HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS and
// HKEY_CURRENT_CONFIG may be written as HKCR, HKCU, HKLM, HKU and HKCC. Texts are UTF-8; a
// string is stored as its bytes and the NUL that ends it, as the registry holds one.
// Applying several texts in turn lets the later ones add, replace and remove what the
// earlier ones gave.
class RegistryTree {
  public:
    // Applies one text. Throws RegistryError naming `source` and the line of the first
    // mistake; the tree is then left as it was.
    void apply(std::string_view text, std::string_view source);

    // The value, or nothing when the key or the value is not there.
    std::optional<RegistryValue> find(RegistryRoot root, std::string_view keyPath,
                                      std::string_view valueName) const;
    bool hasKey(RegistryRoot root, std::string_view keyPath) const;

  private:
    // Keys by their root and path, upper-cased ("2\SOFTWARE\MICROSOFT"); values by their
    // upper-cased names.
    using Values = std::map<std::string, RegistryValue>;
    std::map<std::string, Values> keys_;
};

}  // namespace velocarta
