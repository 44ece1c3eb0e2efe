#include "platform/registry_tree.h"

#include <array>
#include <cstdint>
#include <utility>

#include "content/text.h"

namespace velocarta {

namespace {

struct RootName {
    RegistryRoot root;
    std::string_view longName;
    std::string_view shortName;
};

constexpr std::array<RootName, 5> kRoots = {{
    {RegistryRoot::ClassesRoot, "HKEY_CLASSES_ROOT", "HKCR"},
    {RegistryRoot::CurrentUser, "HKEY_CURRENT_USER", "HKCU"},
    {RegistryRoot::LocalMachine, "HKEY_LOCAL_MACHINE", "HKLM"},
    {RegistryRoot::Users, "HKEY_USERS", "HKU"},
    {RegistryRoot::CurrentConfig, "HKEY_CURRENT_CONFIG", "HKCC"},
}};

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && AsciiUpper(text.substr(0, prefix.size())) == prefix;
}

// A key path as the tree files it: the root's long name, then the upper-cased path without
// a trailing '\' ("HKEY_LOCAL_MACHINE\SOFTWARE\MICROSOFT").
std::string KeyName(RegistryRoot root, std::string_view path) {
    while (!path.empty() && path.back() == '\\') {
        path.remove_suffix(1);
    }
    while (!path.empty() && path.front() == '\\') {
        path.remove_prefix(1);
    }
    std::string name(kRoots[static_cast<std::size_t>(root)].longName);
    if (!path.empty()) {
        name += '\\';
        name += AsciiUpper(path);
    }
    return name;
}

class Parser {
  public:
    Parser(std::string_view source,
           std::map<std::string, std::map<std::string, RegistryValue>>& keys)
        : source_(source), keys_(keys) {}

    void line(std::string_view text, int number) {
        number_ = number;
        text = TrimBlanks(text);
        if (text.empty() || text.front() == ';' || text == "REGEDIT4" ||
            text == "Windows Registry Editor Version 5.00") {
            return;
        }
        if (text.front() == '[') {
            key(text);
        } else if (text.front() == '"' || text.front() == '@') {
            value(text);
        } else {
            fail("a line that is not a key, a value or a comment");
        }
    }

  private:
    [[noreturn]] void fail(const std::string& what) const {
        throw RegistryError(std::string(source_) + ":" + std::to_string(number_) + ": " + what);
    }

    void key(std::string_view text) {
        if (text.back() != ']') {
            fail("a key without its closing ']'");
        }
        text = text.substr(1, text.size() - 2);
        const bool remove = !text.empty() && text.front() == '-';
        if (remove) {
            text.remove_prefix(1);
        }
        const std::string_view rootText = text.substr(0, text.find('\\'));
        const RootName* root = nullptr;
        for (const RootName& candidate : kRoots) {
            const std::string upper = AsciiUpper(rootText);
            if (upper == candidate.longName || upper == candidate.shortName) {
                root = &candidate;
            }
        }
        if (root == nullptr) {
            fail("a key that does not begin with one of the roots, such as HKEY_LOCAL_MACHINE");
        }
        const std::string name =
            KeyName(root->root, rootText.size() < text.size() ? text.substr(rootText.size()) : "");
        if (remove) {
            std::erase_if(keys_, [&name](const auto& entry) {
                return entry.first == name || entry.first.starts_with(name + '\\');
            });
            current_ = nullptr;
        } else {
            current_ = &keys_[name];
        }
    }

    void value(std::string_view text) {
        if (current_ == nullptr) {
            fail("a value outside a key");
        }
        std::string name;
        if (text.front() == '@') {
            text.remove_prefix(1);
        } else {
            name = quoted(text);
        }
        text = TrimBlanks(text);
        if (text.empty() || text.front() != '=') {
            fail("a value without '='");
        }
        text = TrimBlanks(text.substr(1));
        name = AsciiUpper(name);
        if (text == "-") {
            current_->erase(name);
            return;
        }
        RegistryValue data;
        if (!text.empty() && text.front() == '"') {
            data.type = registry_type::kString;
            data.bytes = quoted(text);
            data.bytes.push_back('\0');
            if (!TrimBlanks(text).empty()) {
                fail("text after the closing quote");
            }
        } else if (StartsWithNoCase(text, "DWORD:")) {
            data.type = registry_type::kDword;
            data.bytes = dword(text.substr(6));
        } else if (StartsWithNoCase(text, "HEX:")) {
            data.type = registry_type::kBinary;
            data.bytes = bytes(text.substr(4));
        } else if (StartsWithNoCase(text, "HEX(")) {
            const std::size_t close = text.find("):");
            if (close == std::string_view::npos || close == 4 || close > 12) {
                fail("a hex(n): type that is not a hexadecimal number");
            }
            data.type = static_cast<std::uint32_t>(number(text.substr(4, close - 4)));
            data.bytes = bytes(text.substr(close + 2));
        } else {
            fail("a value that is not \"text\", dword:, hex: or hex(n):");
        }
        (*current_)[name] = std::move(data);
    }

    // The text between the quotes at the front of `text`, unescaped; `text` keeps the rest.
    std::string quoted(std::string_view& text) {
        std::string result;
        for (std::size_t i = 1; i < text.size(); ++i) {
            if (text[i] == '"') {
                text.remove_prefix(i + 1);
                return result;
            }
            // Only \\ and \" are escapes; any other backslash stands for itself.
            if (text[i] == '\\' && i + 1 < text.size() &&
                (text[i + 1] == '\\' || text[i + 1] == '"')) {
                ++i;
            }
            result.push_back(text[i]);
        }
        fail("a text without its closing quote");
    }

    std::uint64_t number(std::string_view digits) {
        std::uint64_t result = 0;
        for (char c : digits) {
            const int digit = HexValue(c);
            if (digit < 0) {
                fail("'" + std::string(digits) + "' is not a hexadecimal number");
            }
            result = result * 16 + static_cast<std::uint64_t>(digit);
        }
        return result;
    }

    std::string dword(std::string_view digits) {
        digits = TrimBlanks(digits);
        if (digits.empty() || digits.size() > 8) {
            fail("a dword of other than one to eight hexadecimal digits");
        }
        const std::uint64_t value = number(digits);
        std::string result(4, '\0');
        for (std::size_t i = 0; i < 4; ++i) {
            result[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
        }
        return result;
    }

    std::string bytes(std::string_view list) {
        std::string result;
        list = TrimBlanks(list);
        while (!list.empty()) {
            const std::size_t comma = list.find(',');
            const std::string_view item = TrimBlanks(list.substr(0, comma));
            if (item.empty() || item.size() > 2) {
                fail("a byte list that is not two-digit hexadecimal numbers between commas");
            }
            result.push_back(static_cast<char>(number(item)));
            if (comma == std::string_view::npos) {
                break;
            }
            list = TrimBlanks(list.substr(comma + 1));
            if (list.empty()) {
                fail("a byte list that ends in a comma");
            }
        }
        return result;
    }

    std::string_view source_;
    std::map<std::string, std::map<std::string, RegistryValue>>& keys_;
    std::map<std::string, RegistryValue>* current_ = nullptr;
    int number_ = 0;
};

}  // namespace

void RegistryTree::apply(std::string_view text, std::string_view source) {
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    auto keys = keys_;
    Parser parser(source, keys);
    int number = 0;
    while (!text.empty()) {
        // One logical line: byte lists go on over the lines that end in '\'.
        const int first = number + 1;
        std::string logical;
        bool more = true;
        while (more && !text.empty()) {
            const std::size_t end = text.find('\n');
            std::string_view physical = text.substr(0, end);
            text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
            ++number;
            physical = TrimBlanks(physical);
            more = !physical.empty() && physical.back() == '\\';
            if (more) {
                physical.remove_suffix(1);
            }
            logical += physical;
        }
        parser.line(logical, first);
    }
    keys_ = std::move(keys);
}

std::optional<RegistryValue> RegistryTree::find(RegistryRoot root, std::string_view keyPath,
                                                std::string_view valueName) const {
    const auto key = keys_.find(KeyName(root, keyPath));
    if (key == keys_.end()) {
        return std::nullopt;
    }
    const auto value = key->second.find(AsciiUpper(valueName));
    if (value == key->second.end()) {
        return std::nullopt;
    }
    return value->second;
}

bool RegistryTree::hasKey(RegistryRoot root, std::string_view keyPath) const {
    // A key exists when it was given, or a key below it was.
    const std::string name = KeyName(root, keyPath);
    for (const auto& [key, values] : keys_) {
        if (key == name || key.starts_with(name + '\\')) {
            return true;
        }
    }
    return false;
}

}  // namespace velocarta
