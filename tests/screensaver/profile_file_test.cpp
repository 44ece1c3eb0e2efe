// The settings file written on disk, against files written by hand, and the folder it lives
// in.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/file_system.h"
#include "platform/posix/posix_profile_file.h"
#include "platform/posix/posix_system_folders.h"
#include "support/fake_environment.h"
#include "support/system_faults.h"
#include "support/temp_folder.h"
#include "support/unprivileged_scope.h"

namespace velocarta {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0);
    return info.st_mode & 07777;
}

// Files other than the settings file in the folder: a write leaves none behind.
std::vector<std::string> OtherFiles(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().filename() != "Vantrel2000.ini") {
            names.push_back(entry.path().filename().string());
        }
    }
    return names;
}

TEST(ProfileFile, AHandWrittenFileKeepsEverythingButTheValue) {
    const TempFolder folder;
    const std::string ini = folder.writeFile("/Vantrel2000.ini",
                                             "; written by hand\r\n"
                                             "[Display]\r\n"
                                             "Interval=99\r\n"
                                             "\r\n"
                                             "[vantrel2000]\r\n"
                                             "Interval = 5\r\n"
                                             "Colour=blue");
    ::chmod(ini.c_str(), 0640);
    WriteProfileString(ini, "Vantrel2000", "Interval", "15");
    WriteProfileString(ini, "Vantrel2000", "VantrelPath", "/home/ann/ssvantrels/");
    EXPECT_EQ(ReadFile(ini),
              "; written by hand\r\n[Display]\r\nInterval=99\r\n\r\n[vantrel2000]\r\n"
              "Interval=15\r\nColour=blue\r\nVantrelPath=/home/ann/ssvantrels/\r\n");
    EXPECT_EQ(ModeOf(ini), 0640u);
    EXPECT_TRUE(OtherFiles(folder.path()).empty());
    EXPECT_EQ(ReadProfileFile(ini), ReadFile(ini));
}

TEST(ProfileFile, AMissingFileIsMadeAMissingFolderIsNot) {
    const TempFolder folder;
    const std::string ini = folder.path() + "/Vantrel2000.ini";
    EXPECT_FALSE(ReadProfileFile(ini));
    WriteProfileString(ini, "Vantrel2000", "Interval", "1");
    EXPECT_EQ(ReadFile(ini), "[Vantrel2000]\nInterval=1\n");
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(ModeOf(ini), 0666u & ~mask);
    EXPECT_THROW(
        WriteProfileString(folder.path() + "/none/Vantrel2000.ini", "Vantrel2000", "Interval", "1"),
        FileSystemError);
}

TEST(ProfileFile, ALinkIsFollowedAndStaysALink) {
    const TempFolder folder;
    const std::string real = folder.writeFile("/real/settings.ini", "[Vantrel2000]\nInterval=2\n");
    const std::string link = folder.path() + "/Vantrel2000.ini";
    fs::create_symlink("real/settings.ini", link);
    WriteProfileString(link, "Vantrel2000", "Interval", "3");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadFile(real), "[Vantrel2000]\nInterval=3\n");
}

TEST(ProfileFile, AFolderInItsPlaceIsAFailure) {
    const TempFolder folder;
    const std::string ini = folder.makeFolder("/Vantrel2000.ini");
    EXPECT_THROW(ReadProfileFile(ini), FileSystemError);
    EXPECT_THROW(WriteProfileString(ini, "Vantrel2000", "Interval", "1"), FileSystemError);
}

// The folder open to everybody, so that the write can run as an ordinary user.
void OpenToEverybody(const TempFolder& folder) {
    fs::permissions(folder.path(), fs::perms::all);
}

TEST(ProfileFile, AReadOnlyFileIsRefusedAndStaysAsItWas) {
    const TempFolder folder;
    OpenToEverybody(folder);
    const std::string ini = folder.writeFile("/Vantrel2000.ini", "[Vantrel2000]\nInterval=5");
    ::chmod(ini.c_str(), 0444);
    const testing::UnprivilegedScope asAUser;
    try {
        WriteProfileString(ini, "Vantrel2000", "Interval", "15");
        FAIL() << "a read-only settings file must not be written";
    } catch (const FileSystemError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot write " + ini + ": Permission denied");
    }
    EXPECT_EQ(ReadFile(ini), "[Vantrel2000]\nInterval=5");
    EXPECT_TRUE(OtherFiles(folder.path()).empty());
}

TEST(ProfileFile, AWritableFileInAReadOnlyFolderIsWrittenWhereItIs) {
    const TempFolder folder;
    const std::string ini = folder.writeFile("/Vantrel2000.ini", "[Vantrel2000]\nInterval=5\n");
    ::chmod(ini.c_str(), 0666);
    fs::permissions(folder.path(), fs::perms::owner_all | fs::perms::group_read |
                                       fs::perms::group_exec | fs::perms::others_read |
                                       fs::perms::others_exec);
    {
        const testing::UnprivilegedScope asAUser;
        WriteProfileString(ini, "Vantrel2000", "Interval", "20");
    }
    EXPECT_EQ(ReadFile(ini), "[Vantrel2000]\nInterval=20\n");
}

TEST(ProfileFile, AFullDiskLeavesTheOldFile) {
    const TempFolder folder;
    const std::string disk = folder.makeFolder("/disk");
    auto tmpfs = testing::ScopedTmpfs::Mount(disk, 64 * 1024);
    if (!tmpfs) {
        GTEST_SKIP() << "this test process may not mount a small disk";
    }
    const std::string ini = disk + "/Vantrel2000.ini";
    WriteProfileString(ini, "Vantrel2000", "Interval", "5");
    const std::string before = ReadFile(ini);
    // Fill the disk to the last byte.
    {
        std::ofstream filler(disk + "/filler", std::ios::binary);
        const std::string block(4096, 'x');
        while (filler.write(block.data(), static_cast<std::streamsize>(block.size()))) {
        }
    }
    EXPECT_THROW(WriteProfileString(ini, "Vantrel2000", "VantrelPath", std::string(8192, 'p')),
                 FileSystemError);
    EXPECT_EQ(ReadFile(ini), before);
    fs::remove(disk + "/filler");
    EXPECT_EQ(OtherFiles(disk), std::vector<std::string>{});
}

TEST(SystemFolders, TheSettingsFolderIsMadeWithItsParents) {
    const TempFolder home;
    testing::FakeEnvironment environment;
    environment.variables["HOME"] = home.path();
    PosixSystemFolders folders(environment);
    EXPECT_EQ(folders.settingsFolder(), home.path() + "/.config/velocarta");
    folders.makeSettingsFolder();
    EXPECT_TRUE(fs::is_directory(home.path() + "/.config/velocarta"));
    folders.makeSettingsFolder();  // there already: nothing to do

    environment.variables["XDG_CONFIG_HOME"] = home.path() + "/conf";
    EXPECT_EQ(folders.settingsFolder(), home.path() + "/conf/velocarta");
    home.writeFile("/conf", "a file where the folder should be");
    EXPECT_THROW(folders.makeSettingsFolder(), FileSystemError);
}

}  // namespace
}  // namespace velocarta
