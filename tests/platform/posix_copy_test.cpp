#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "platform/posix/posix_disk_space.h"
#include "platform/posix/posix_file_copier.h"
#include "support/system_faults.h"
#include "support/temp_folder.h"

namespace velocarta {
namespace {

namespace fs = std::filesystem;
using testing::ScopedTmpfs;
using testing::TempFolder;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string Contents(std::size_t length) {
    std::string contents(length, '\0');
    for (std::size_t i = 0; i < length; ++i) {
        contents[i] = static_cast<char>(i * 7 + i / 251);
    }
    return contents;
}

class PartialFileKinds : public ::testing::TestWithParam<PartialFiles> {};

TEST_P(PartialFileKinds, TheNewFileTakesTheTargetsNameOnlyWhenComplete) {
    TempFolder folder;
    const std::string source = folder.writeFile("/disc/65A.JPG", Contents(60'000));
    const std::string target = folder.writeFile("/copy/65A.JPG", "older");
    const std::string fresh = folder.path() + "/copy/65B.JPG";
    PosixFileCopier copier(GetParam());
    auto copy = copier.open(source, target);
    auto freshCopy = copier.open(source, fresh);
    EXPECT_FALSE(copy->sameFile());
    EXPECT_EQ(copy->length(), 60'000);
    copy->transfer(25'000);
    copy->transfer(25'000);
    freshCopy->transfer(60'000);
    EXPECT_EQ(copy->transferred(), 50'000);
    EXPECT_EQ(ReadFile(target), "older");
    auto during = Names(folder.path() + "/copy");
    if (GetParam() == PartialFiles::Named) {
        ASSERT_EQ(during.size(), 3u);
        EXPECT_TRUE(IsPartialCopyName(during[0])) << during[0];
        EXPECT_TRUE(IsPartialCopyName(during[1])) << during[1];
    } else {
        EXPECT_EQ(during, std::vector<std::string>{"65A.JPG"});
    }
    copy->transfer(10'000);
    copy->commit();
    freshCopy->commit();
    EXPECT_EQ(ReadFile(target), Contents(60'000));
    EXPECT_EQ(ReadFile(fresh), Contents(60'000));
    EXPECT_EQ(Names(folder.path() + "/copy"), (std::vector<std::string>{"65A.JPG", "65B.JPG"}));
}

TEST_P(PartialFileKinds, AnUnfinishedCopyIsDiscarded) {
    TempFolder folder;
    const std::string source = folder.writeFile("/disc/65A.JPG", Contents(30'000));
    const std::string target = folder.writeFile("/copy/65A.JPG", "older");
    PosixFileCopier copier(GetParam());
    copier.open(source, target)->transfer(25'000);
    copier.open(source, folder.path() + "/copy/65B.JPG")->transfer(25'000);
    EXPECT_EQ(Names(folder.path() + "/copy"), std::vector<std::string>{"65A.JPG"});
    EXPECT_EQ(ReadFile(target), "older");

    auto copy = copier.open(source, target);
    try {
        copy->transfer(40'000);
        FAIL() << "the source has only 30,000 bytes";
    } catch (const FileCopyError& error) {
        EXPECT_STREQ(error.what(), "Input past end of file");
        EXPECT_EQ(error.errorNumber(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(PosixFileCopier, PartialFileKinds,
                         ::testing::Values(PartialFiles::Unnamed, PartialFiles::Named),
                         [](const ::testing::TestParamInfo<PartialFiles>& info) {
                             return info.param == PartialFiles::Unnamed ? "Unnamed" : "Named";
                         });

TEST_P(PartialFileKinds, ACopyOfAProgramIsAProgram) {
    TempFolder folder;
    const std::string program = folder.writeFile("/bin/Vantrel2000.scr", "#!/bin/sh\n");
    const std::string photo = folder.writeFile("/disc/65A.JPG", "photo");
    ::chmod(program.c_str(), 0750);
    const mode_t mask = ::umask(0022);
    PosixFileCopier copier(GetParam());
    for (const auto& [source, target] : {std::pair{program, folder.path() + "/copy.scr"},
                                         std::pair{photo, folder.path() + "/copy.jpg"}}) {
        auto copy = copier.open(source, target);
        copy->transfer(copy->length());
        copy->commit();
    }
    ::umask(mask);
    struct stat info {};
    ASSERT_EQ(::stat((folder.path() + "/copy.scr").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0755u);  // run by those who may read it
    ASSERT_EQ(::stat((folder.path() + "/copy.jpg").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u);
}

TEST(PosixFileCopier, OneFileUnderTwoNamesIsTheSameFile) {
    TempFolder folder;
    const std::string photo = folder.writeFile("/vantrels/65A.JPG", Contents(1'000));
    fs::create_hard_link(photo, folder.path() + "/linked.jpg");
    fs::create_directory_symlink(folder.path() + "/vantrels", folder.path() + "/through");
    PosixFileCopier copier;
    for (const std::string& target :
         {photo, folder.path() + "/linked.jpg", folder.path() + "/through/65A.JPG"}) {
        auto copy = copier.open(photo, target);
        EXPECT_TRUE(copy->sameFile()) << target;
        copy->transfer(copy->length());
        copy->commit();
        EXPECT_EQ(ReadFile(photo), Contents(1'000));
    }
    EXPECT_EQ(Names(folder.path() + "/vantrels"), std::vector<std::string>{"65A.JPG"});
}

TEST(PosixFileCopier, FailuresCarryTheSystemsDescription) {
    TempFolder folder;
    const std::string source = folder.writeFile("/disc/65A.JPG", "photo");
    folder.makeFolder("/disc/65B.JPG");
    PosixFileCopier copier;
    const std::pair<std::string, std::string> cases[] = {
        {folder.path() + "/disc/99Z.JPG", "No such file or directory"},
        {folder.path() + "/disc/65B.JPG", "Is a directory"},
        {source, "No such file or directory"},  // into a folder that is not there
    };
    for (const auto& [from, description] : cases) {
        try {
            copier.open(from, folder.path() + "/gone/65A.JPG");
            ADD_FAILURE() << from << " should not open";
        } catch (const FileCopyError& error) {
            EXPECT_EQ(error.what(), description) << from;
            EXPECT_NE(error.errorNumber(), 0);
        }
    }
}

TEST(PosixFileCopier, CopiesBetweenTwoFileSystems) {
    TempFolder folder;
    const std::string source = folder.writeFile("/disc/65A.JPG", Contents(100'001));
    folder.makeFolder("/copy");
    const auto disk = ScopedTmpfs::Mount(folder.path() + "/copy", 1 << 20);
    if (!disk) {
        GTEST_SKIP() << "this system does not let the test mount a second file system";
    }
    PosixFileCopier copier;
    auto copy = copier.open(source, folder.path() + "/copy/65A.JPG");
    for (int block = 0; block < 4; ++block) {
        copy->transfer(25'000);
    }
    copy->transfer(1);
    copy->commit();
    EXPECT_EQ(ReadFile(folder.path() + "/copy/65A.JPG"), Contents(100'001));
}

TEST(PosixFileCopier, LeftoversAreOnlyItsOwnPartialFiles) {
    const std::pair<const char*, bool> names[] = {
        {".65A.JPG.partial-0badf00d", true},
        {".x.partial-12345678", true},
        {"65A.JPG.partial-0badf00d", false},
        {".65A.JPG.partial-0BADF00D", false},
        {".65A.JPG.partial-0badf00", false},
        {".partial-0badf00d", false},
        {".65A.JPG", false},
        {"65A.JPG", false},
    };
    TempFolder folder;
    for (const auto& [name, partial] : names) {
        EXPECT_EQ(IsPartialCopyName(name), partial) << name;
        folder.writeFile(std::string("/copy/") + name);
    }
    PosixFileCopier copier;
    EXPECT_EQ(copier.removeLeftovers(folder.path() + "/copy"), 2);
    EXPECT_EQ(Names(folder.path() + "/copy").size(), std::size(names) - 2);
    EXPECT_EQ(copier.removeLeftovers(folder.path() + "/gone"), 0);
    EXPECT_TRUE(copier.remove(folder.path() + "/copy/65A.JPG"));
    EXPECT_FALSE(copier.remove(folder.path() + "/copy/65A.JPG"));
}

TEST(PosixDiskSpace, MeasuresTheFileSystemThatHoldsTheFolder) {
    TempFolder folder;
    const std::string mounted = folder.makeFolder("/program");
    const auto disk = ScopedTmpfs::Mount(mounted, 4 << 20);
    if (!disk) {
        GTEST_SKIP() << "this system does not let the test mount a disk of known size";
    }
    fs::create_directory(mounted + "/vantrels");
    PosixDiskSpace disks;
    DiskGeometry geometry = disks.measure(mounted + "/vantrels");
    // tmpfs counts in pages of 4096 bytes: clusters of eight 512-byte sectors.
    EXPECT_EQ(geometry.bytesPerSector, 512u);
    EXPECT_EQ(geometry.sectorsPerCluster, 8u);
    EXPECT_EQ(geometry.totalClusters, 1024u);
    EXPECT_EQ(geometry.freeClusters, 1024u);
    EXPECT_EQ(geometry.root, mounted);
    std::ofstream(mounted + "/vantrels/65A.JPG", std::ios::binary) << Contents(1 << 20);
    EXPECT_EQ(disks.measure(mounted).freeClusters, 768u);
    EXPECT_THROW(disks.measure(folder.path() + "/gone"), DiskSpaceError);
}

}  // namespace
}  // namespace velocarta
