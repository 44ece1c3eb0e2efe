#include "platform/posix/posix_file_system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include <fcntl.h>
#include <unistd.h>

#include "support/system_faults.h"
#include "support/temp_folder.h"
#include "support/unprivileged_scope.h"

namespace velocarta {
namespace {

using testing::TempFolder;
using testing::UnprivilegedScope;

std::vector<std::string> ListAll(FileSystem& fileSystem, const ContentFile& pattern) {
    auto listing = fileSystem.list(pattern);
    std::vector<std::string> names;
    for (std::string name = listing->next(); !name.empty(); name = listing->next()) {
        names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(MatchesWildcard, CaseBlindGlob) {
    struct Case {
        const char* pattern;
        const char* name;
        bool matches;
    };
    const Case cases[] = {
        {"*.jpg", "65A.JPG", true},
        {"*.jpg", "65a.jpg", true},
        {"*.jpg", "65a.jpeg", false},
        {"*.jpg", ".jpg", true},
        {"*.avi", "Kite1.AVI", true},
        {"*.jpg", "jpg", false},
        {"65desc.rtf", "65DESC.RTF", true},
        {"65desc.rtf", "65desc.rtf.bak", false},
        {"?5*.jpg", "65A.jpg", true},
        {"a*b*c", "aXXbYYc", true},
        {"a*b*c", "aXXbYY", false},
        {"*", "", true},
        {"", "", true},
        {"", "x", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MatchesWildcard(c.pattern, c.name), c.matches) << c.pattern << " " << c.name;
    }
}

TEST(PosixFileSystem, ResolvesBelowTheRootWithoutRegardToCase) {
    TempFolder disc;
    const std::string file = disc.writeFile("/RichText/65DESC.RTF", "{\\rtf1}");
    PosixFileSystem fileSystem;
    EXPECT_EQ(fileSystem.resolve({disc.path(), "/richtext/65desc.rtf"}), file);
    EXPECT_EQ(fileSystem.resolve({disc.path(), "/RICHTEXT/65Desc.rtf"}), file);
    EXPECT_EQ(fileSystem.resolve({disc.path(), "/richtext/66desc.rtf"}), std::nullopt);
    EXPECT_EQ(fileSystem.fileLength({disc.path(), "/richtext/65desc.rtf"}), 7);
    EXPECT_THROW(fileSystem.fileLength({disc.path(), "/richtext/66desc.rtf"}), FileSystemError);
}

TEST(PosixFileSystem, NeverFoldsTheRoot) {
    TempFolder parent;
    parent.writeFile("/Disc/vantrels/65A.JPG");
    PosixFileSystem fileSystem;
    EXPECT_TRUE(fileSystem.resolve({parent.path() + "/Disc", "/VANTRELS/65a.jpg"}));
    EXPECT_FALSE(fileSystem.resolve({parent.path() + "/disc", "/vantrels/65A.JPG"}));
    EXPECT_THROW(fileSystem.list({parent.path() + "/disc", "/vantrels/*.jpg"}), FileSystemError);
}

TEST(PosixFileSystem, ListsOnlyMatchingRegularFilesAndSeesFileChanges) {
    TempFolder disc;
    disc.writeFile("/Vantrels/65A.JPG");
    disc.writeFile("/Vantrels/65b.jpg");
    disc.writeFile("/Vantrels/notes.txt");
    disc.makeFolder("/Vantrels/sub.jpg");
    PosixFileSystem fileSystem;
    const ContentFile pattern{disc.path(), "/vantrels/*.jpg"};
    EXPECT_EQ(ListAll(fileSystem, pattern), (std::vector<std::string>{"65A.JPG", "65b.jpg"}));
    // An exact name lists the file as it is spelled on disk.
    EXPECT_EQ(ListAll(fileSystem, {disc.path(), "/vantrels/65B.JPG"}),
              std::vector<std::string>{"65b.jpg"});
    // A missing folder lists nothing; it is not a failure.
    EXPECT_TRUE(ListAll(fileSystem, {disc.path(), "/movies/*.avi"}).empty());
    // The case-blind lookup notices files that arrive later.
    disc.writeFile("/Vantrels/66A.JPG");
    EXPECT_TRUE(fileSystem.resolve({disc.path(), "/vantrels/66a.jpg"}));
}

TEST(PosixFileSystem, UnreadableFolderIsAFailureAndDoesNotLeak) {
    namespace fs = std::filesystem;
    TempFolder disc;
    const std::string folder = disc.makeFolder("/vantrels");
    disc.writeFile("/vantrels/65A.JPG");
    // Root reads every folder; the listing runs as an ordinary user, who may enter the disc
    // but not read its photo folder.
    fs::permissions(disc.path(),
                    fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    fs::permissions(folder, fs::perms::none);
    PosixFileSystem fileSystem;
    const UnprivilegedScope asAUser;
    // The effective identity decides (plain access() would ask about the real one).
    ASSERT_EQ(::faccessat(AT_FDCWD, disc.path().c_str(), X_OK, AT_EACCESS), 0);
    ASSERT_NE(::faccessat(AT_FDCWD, folder.c_str(), R_OK, AT_EACCESS), 0);
    try {
        fileSystem.list({disc.path(), "/vantrels/*.jpg"});
        FAIL() << "listing an unreadable folder must fail";
    } catch (const FileSystemError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Cannot read the folder " + folder + ": " + std::strerror(EACCES));
    }
}

TEST(PosixFileSystem, CopyReplacesTheTargetAndKeepsItsSpelling) {
    TempFolder disc;
    TempFolder program;
    disc.writeFile("/vantrels/65A.JPG", "new photo");
    const std::string old = program.writeFile("/VANTRELS/65a.jpg", "old");
    PosixFileSystem fileSystem;
    fileSystem.copy({disc.path(), "/vantrels/65A.JPG"}, {program.path(), "/vantrels/65A.JPG"});
    EXPECT_EQ(ReadFile(old), "new photo");
    fileSystem.copy({disc.path(), "/vantrels/65A.JPG"}, {program.path(), "/vantrels/65B.JPG"});
    EXPECT_EQ(ReadFile(program.path() + "/VANTRELS/65B.JPG"), "new photo");
    EXPECT_EQ(ListAll(fileSystem, {program.path(), "/vantrels/*"}),
              (std::vector<std::string>{"65B.JPG", "65a.jpg"}));
}

TEST(PosixFileSystem, CopyFailuresLeaveNothingBehind) {
    TempFolder disc;
    TempFolder program;
    disc.writeFile("/vantrels/65A.JPG", "photo");
    PosixFileSystem fileSystem;
    EXPECT_THROW(fileSystem.copy({disc.path(), "/vantrels/99Z.JPG"}, {program.path(), "/99Z.JPG"}),
                 FileSystemError);
    // No target folder.
    EXPECT_THROW(
        fileSystem.copy({disc.path(), "/vantrels/65A.JPG"}, {program.path(), "/vantrels/65A.JPG"}),
        FileSystemError);
    EXPECT_TRUE(std::filesystem::is_empty(program.path()));
}

TEST(PosixFileSystem, CopyToAFullDiskKeepsTheOldTarget) {
    TempFolder disc;
    TempFolder program;
    disc.writeFile("/big.avi", std::string(200'000, 'x'));
    const auto disk = testing::ScopedTmpfs::Mount(program.path(), 64 * 1024);
    if (!disk) {
        GTEST_SKIP() << "this system does not let the test mount a small disk";
    }
    program.writeFile("/movies/big.avi", "old");
    PosixFileSystem fileSystem;
    try {
        fileSystem.copy({disc.path(), "/big.avi"}, {program.path(), "/movies/big.avi"});
        FAIL() << "a copy onto a full disk must fail";
    } catch (const FileSystemError& error) {
        EXPECT_NE(std::string(error.what()).find("No space left"), std::string::npos)
            << error.what();
    }
    EXPECT_EQ(ReadFile(program.path() + "/movies/big.avi"), "old");
    EXPECT_EQ(ListAll(fileSystem, {program.path(), "/movies/*"}),
              std::vector<std::string>{"big.avi"});
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(program.path() + "/movies"),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(PosixFileSystem, FoldersAndDeletionByPattern) {
    TempFolder program;
    PosixFileSystem fileSystem;
    fileSystem.makeFolder({program.path(), "/ssvantrels/"});
    EXPECT_TRUE(std::filesystem::is_directory(program.path() + "/ssvantrels"));
    EXPECT_THROW(fileSystem.makeFolder({program.path(), "/SSVantrels"}), FileSystemError);
    program.writeFile("/ssvantrels/65A.JPG");
    program.writeFile("/ssvantrels/65b.jpg");
    program.writeFile("/ssvantrels/keep.txt");
    EXPECT_THROW(fileSystem.removeFolder({program.path(), "/ssvantrels/"}), FileSystemError);
    EXPECT_EQ(fileSystem.removeMatching({program.path(), "/ssvantrels/*.jpg"}), 2);
    EXPECT_EQ(fileSystem.removeMatching({program.path(), "/ssvantrels/*.txt"}), 1);
    EXPECT_EQ(fileSystem.removeMatching({program.path(), "/nothere/*.jpg"}), 0);
    fileSystem.removeFolder({program.path(), "/SSVANTRELS/"});
    EXPECT_FALSE(std::filesystem::exists(program.path() + "/ssvantrels"));
    EXPECT_THROW(fileSystem.removeFolder({program.path(), "/ssvantrels/"}), FileSystemError);
}

}  // namespace
}  // namespace velocarta
