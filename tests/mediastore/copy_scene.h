#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "content/catalogue.h"
#include "mediastore/media_copy.h"
#include "platform/posix/posix_file_copier.h"
#include "platform/posix/posix_file_system.h"
#include "support/temp_folder.h"

namespace velocarta::testing {

// One block a step, as the gauges are reckoned, whatever the disk's speed.
inline constexpr CopySettings kEveryBlock{kMediaCopyBlock, 1, {}};

// A content disc and a program folder on real folders, with the real file services.
struct CopyScene {
    TempFolder disc;
    TempFolder program;
    PosixFileSystem fileSystem;
    PosixFileCopier copier;
    // Partial files under a hidden name, where a test wants to see them.
    PosixFileCopier namedCopier{PartialFiles::Named};

    CopyRoots roots() const { return {disc.path(), program.path()}; }
    std::string photo(const std::string& name) const {
        return program.path() + "/vantrels/" + name;
    }
    // A disc photo of `length` bytes whose contents depend on its name.
    std::string writePhoto(const std::string& name, std::size_t length) const {
        std::string contents(length, '\0');
        for (std::size_t i = 0; i < length; ++i) {
            contents[i] = static_cast<char>((i * 31 + name.size() * 7 + name.back()) & 0xff);
        }
        return disc.writeFile("/vantrels/" + name, contents);
    }
    PhotoCatalogue discPhotos() { return Catalogue(fileSystem, disc.path()); }

    static PhotoCatalogue Catalogue(FileSystem& fileSystem, const std::string& root) {
        auto catalogue = PhotoCatalogue::Build(fileSystem, root, [](const FileSystemError& e) {
            ADD_FAILURE() << "the catalogue could not be read: " << e.what();
            return RetryChoice::GiveUp;
        });
        return catalogue ? *catalogue : PhotoCatalogue();
    }
};

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Every name in a folder, hidden ones included, sorted; nothing when it does not exist.
inline std::vector<std::string> FolderNames(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Runs a planned copy to its end, collecting every event.
inline std::vector<CopyEvent> RunToEnd(MediaCopy& copy) {
    std::vector<CopyEvent> events;
    copy.run([&](const CopyEvent& event) {
        events.push_back(event);
        return true;
    });
    return events;
}

inline std::vector<std::string> FailureTexts(const std::vector<CopyEvent>& events) {
    std::vector<std::string> texts;
    for (const CopyEvent& event : events) {
        if (event.kind == CopyEvent::Kind::FileFailed) {
            texts.push_back(event.message.text);
        }
    }
    return texts;
}

// What must hold after any fault: no partial file anywhere in the program's photo folder
// and a catalogue of the program folder that can be built.
inline void ExpectNothingPartial(CopyScene& scene) {
    for (const std::string& name : FolderNames(scene.program.path() + "/vantrels")) {
        EXPECT_FALSE(IsPartialCopyName(name)) << name;
    }
    const PhotoCatalogue onDisk = CopyScene::Catalogue(scene.fileSystem, scene.program.path());
    for (int k = 1; k <= onDisk.count(); ++k) {
        const auto copied = scene.fileSystem.resolve(onDisk.file(k));
        const auto original =
            scene.fileSystem.resolve({scene.disc.path(), "/vantrels/" + onDisk.fileName(k)});
        ASSERT_TRUE(copied.has_value());
        if (original) {
            EXPECT_EQ(ReadFile(*copied), ReadFile(*original)) << *copied << " is not whole";
        }
    }
}

}  // namespace velocarta::testing
