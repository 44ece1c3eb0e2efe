#include "tools/system_info.h"

namespace velocarta {

namespace {

// Values are read into a buffer of this size; a longer one is not read at all.
constexpr std::size_t kValueBufferBytes = 1024;

}  // namespace

std::optional<std::string> ReadRegistryString(const Registry& registry, RegistryRoot root,
                                              std::string_view keyPath,
                                              std::string_view valueName) {
    std::optional<RegistryValue> value;
    try {
        value = registry.readValue(root, keyPath, valueName);
    } catch (const RegistryError&) {
        return std::nullopt;
    }
    if (!value || value->bytes.size() > kValueBufferBytes) {
        return std::nullopt;
    }
    std::string& bytes = value->bytes;
    if (value->type == registry_type::kDword) {
        // Two digits a byte, so that 0x110 and 0x1100 read differently.
        static constexpr char kDigits[] = "0123456789ABCDEF";
        std::string text = "&h";
        for (auto byte = bytes.rbegin(); byte != bytes.rend(); ++byte) {
            const auto bits = static_cast<unsigned char>(*byte);
            text += kDigits[bits >> 4];
            text += kDigits[bits & 0x0F];
        }
        return text;
    }
    if (!bytes.empty() && bytes.back() == '\0') {
        bytes.pop_back();
    }
    return std::move(bytes);
}

std::optional<std::string> FindSystemInfoProgram(const Registry& registry, FileSystem& fileSystem) {
    if (auto path = ReadRegistryString(registry, RegistryRoot::LocalMachine, kMsInfoKey,
                                       kMsInfoPathValue)) {
        return path;
    }
    auto folder = ReadRegistryString(registry, RegistryRoot::LocalMachine, kMsInfoLocationKey,
                                     kMsInfoLocationValue);
    if (!folder || folder->empty()) {
        return std::nullopt;
    }
    // A folder given with a closing separator names the same folder.
    while (folder->size() > 1 && folder->back() == '/') {
        folder->pop_back();
    }
    try {
        return fileSystem.resolve({*folder, std::string(kMsInfoProgramFile)});
    } catch (const FileSystemError&) {
        return std::nullopt;
    }
}

Message SystemInfoUnavailableMessage() {
    return {"System Information Is Unavailable At This Time", kProductTitle, Buttons::Ok,
            Icon::None};
}

}  // namespace velocarta
