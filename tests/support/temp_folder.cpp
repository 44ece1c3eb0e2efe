#include "support/temp_folder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace velocarta::testing {

namespace fs = std::filesystem;

TempFolder::TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "velocarta-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
}

std::string TempFolder::makeFolder(std::string_view rel) const {
    const fs::path folder = fs::path(path_) / fs::path(rel).relative_path();
    fs::create_directories(folder);
    return folder.string();
}

std::string TempFolder::writeFile(std::string_view rel, std::string_view contents) const {
    const fs::path file = fs::path(path_) / fs::path(rel).relative_path();
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out << contents;
    if (!out) {
        throw std::runtime_error("cannot write " + file.string());
    }
    return file.string();
}

}  // namespace velocarta::testing
