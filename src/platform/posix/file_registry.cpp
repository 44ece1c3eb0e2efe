#include "platform/posix/file_registry.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/registry_tree.h"

namespace velocarta {

namespace {

constexpr const char* kStoreFile = "/velocarta/registry.reg";

// The text of a store file, or nothing when there is none.
std::optional<std::string> ReadStoreFile(const std::string& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        return std::nullopt;
    }
    std::ifstream file;
    if (!error && std::filesystem::is_regular_file(status)) {
        file.open(path, std::ios::binary);
    }
    std::ostringstream text;
    if (file.is_open()) {
        text << file.rdbuf();
    }
    if (!file.is_open() || file.bad()) {
        throw RegistryError(path + ": cannot be read");
    }
    return text.str();
}

}  // namespace

FileRegistry::FileRegistry(std::string defaults, std::vector<std::string> files)
    : defaults_(std::move(defaults)), files_(std::move(files)) {}

std::optional<RegistryValue> FileRegistry::readValue(RegistryRoot root, std::string_view keyPath,
                                                     std::string_view valueName) const {
    RegistryTree tree;
    tree.apply(defaults_, "the built-in defaults");
    for (const std::string& path : files_) {
        if (const auto text = ReadStoreFile(path)) {
            tree.apply(*text, path);
        }
    }
    return tree.find(root, keyPath, valueName);
}

std::vector<std::string> RegistryFiles(const Environment& environment) {
    std::vector<std::string> systemFolders;
    std::string dirs = environment.variable("XDG_CONFIG_DIRS");
    if (dirs.empty()) {
        dirs = "/etc/xdg";
    }
    std::istringstream list(dirs);
    for (std::string folder; std::getline(list, folder, ':');) {
        // Relative entries mean nothing here and are ignored, as the XDG rules say.
        if (folder.starts_with('/')) {
            systemFolders.push_back(folder);
        }
    }
    std::vector<std::string> files;
    for (auto folder = systemFolders.rbegin(); folder != systemFolders.rend(); ++folder) {
        files.push_back(*folder + kStoreFile);
    }
    std::string home = environment.variable("XDG_CONFIG_HOME");
    if (!home.starts_with('/')) {
        home = environment.variable("HOME");
        home = home.empty() ? std::string() : home + "/.config";
    }
    if (!home.empty()) {
        files.push_back(home + kStoreFile);
    }
    return files;
}

const std::string& DefaultRegistryText() {
    static const std::string text =
        "Windows Registry Editor Version 5.00\n"
        "\n"
        "; The system-information program: hardinfo, from Debian's package of that name.\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\n"
        "\"PATH\"=\"/usr/bin/hardinfo\"\n";
    return text;
}

}  // namespace velocarta
