// Copies that meet real faults: a disk that fills up, a disk or folder that cannot be
// written, a source that changes or vanishes, a program killed in the middle. After each:
// no partial file, the system's own description of the fault, a catalogue that reads.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "copy_scene.h"
#include "mediastore/media_copy.h"
#include "support/failing_file_copier.h"
#include "support/system_faults.h"

namespace velocarta {
namespace {

namespace fs = std::filesystem;
using testing::CopyScene;
using testing::ExpectNothingPartial;
using testing::FailureTexts;
using testing::FolderNames;
using testing::ReadFile;
using testing::RunToEnd;
using testing::ScopedTmpfs;
using Kind = CopyEvent::Kind;

constexpr const char* kNoMount =
    "this system does not let the test mount a small disk; InjectedWriteFailure covers the "
    "same path";

std::vector<CopyEvent> CopyPhotos(CopyScene& scene, FileCopier& copier) {
    MediaCopy copy(CopyKind::Photos, scene.roots(), scene.fileSystem, copier);
    copy.confirmTargetFolder();
    copy.planPhotos(scene.discPhotos());
    return RunToEnd(copy);
}

TEST(CopyFaults, AFullDiskFailsWhatDoesNotFitAndTakesTheRestAwayAgain) {
    CopyScene scene;
    // 40 pages of 4 KiB; a photo of 50,000 bytes takes 13 of them, so three fit.
    const auto disk = ScopedTmpfs::Mount(scene.program.path(), 40 * 4096);
    if (!disk) {
        GTEST_SKIP() << kNoMount;
    }
    for (const char* name : {"65A.JPG", "65B.JPG", "65C.JPG", "65D.JPG", "65E.JPG"}) {
        scene.writePhoto(name, 50'000);
    }
    const auto events = CopyPhotos(scene, scene.copier);
    EXPECT_EQ(FailureTexts(events), std::vector<std::string>(2, "No space left on device"));
    EXPECT_EQ(events.back().message.text,
              "Not all photos could be copied to your hard drive.\r\n\r\nYour hard drive was "
              "left as it was before the copy.");
    // The copy made the folder, so it takes it away with the photos it added.
    EXPECT_FALSE(fs::exists(scene.program.path() + "/vantrels"));
    ExpectNothingPartial(scene);
}

TEST(CopyFaults, AFullDiskKeepsAnEarlierCompleteCopy) {
    CopyScene scene;
    const auto disk = ScopedTmpfs::Mount(scene.program.path(), 40 * 4096);
    if (!disk) {
        GTEST_SKIP() << kNoMount;
    }
    scene.writePhoto("65A.JPG", 50'000);
    scene.writePhoto("65B.JPG", 50'000);
    ASSERT_TRUE(FailureTexts(CopyPhotos(scene, scene.copier)).empty());
    scene.writePhoto("65C.JPG", 50'000);
    scene.writePhoto("65D.JPG", 50'000);
    EXPECT_EQ(FailureTexts(CopyPhotos(scene, scene.copier)),
              std::vector<std::string>{"No space left on device"});
    EXPECT_EQ(FolderNames(scene.program.path() + "/vantrels"),
              (std::vector<std::string>{"65A.JPG", "65B.JPG"}));
    ExpectNothingPartial(scene);
}

TEST(CopyFaults, InjectedWriteFailure) {
    CopyScene scene;
    scene.writePhoto("65A.JPG", 30'000);  // transfers 1 (block) and 2 (tail)
    scene.writePhoto("65B.JPG", 60'000);  // transfer 3 fails
    scene.writePhoto("65C.JPG", 30'000);
    testing::FailingFileCopier copier;
    copier.failTransfer = 3;
    const auto events = CopyPhotos(scene, copier);
    EXPECT_EQ(FailureTexts(events), std::vector<std::string>{"No space left on device"});
    const auto failed = std::find_if(events.begin(), events.end(),
                                     [](const CopyEvent& e) { return e.kind == Kind::FileFailed; });
    EXPECT_EQ(failed->sourcePath, scene.disc.path() + "/vantrels/65B.JPG");
    EXPECT_EQ(failed->message.buttons, Buttons::Ok);
    EXPECT_EQ(events.end()[-2].kind, Kind::FileCopied) << "65C is still tried";
    EXPECT_EQ(copier.removals, 2);
    EXPECT_FALSE(fs::exists(scene.program.path() + "/vantrels"));
    ExpectNothingPartial(scene);
}

TEST(CopyFaults, AReadOnlyDiskFailsEveryFileWithTheSystemsReason) {
    CopyScene scene;
    scene.writePhoto("65A.JPG", 30'000);
    scene.writePhoto("65B.JPG", 30'000);
    const auto disk = ScopedTmpfs::Mount(scene.program.path(), 1 << 20);
    if (!disk) {
        GTEST_SKIP() << kNoMount;
    }
    fs::create_directory(scene.program.path() + "/vantrels");
    ASSERT_TRUE(disk->makeReadOnly());
    const auto events = CopyPhotos(scene, scene.copier);
    EXPECT_EQ(FailureTexts(events), std::vector<std::string>(2, "Read-only file system"));
    EXPECT_TRUE(FolderNames(scene.program.path() + "/vantrels").empty());
    ExpectNothingPartial(scene);
}

TEST(CopyFaults, AReadOnlyProgramFolderStopsBeforeTheFirstFile) {
    CopyScene scene;
    const auto disk = ScopedTmpfs::Mount(scene.program.path(), 1 << 20);
    if (!disk) {
        GTEST_SKIP() << kNoMount;
    }
    ASSERT_TRUE(disk->makeReadOnly());
    MediaCopy copy(CopyKind::Photos, scene.roots(), scene.fileSystem, scene.copier);
    const TargetFolderCheck check = copy.confirmTargetFolder();
    EXPECT_EQ(check.kind, TargetFolderCheck::Kind::Failed);
    EXPECT_NE(check.message.text.find("Read-only file system"), std::string::npos);
}

// The folder belongs to root and is closed to others; the copy runs as an ordinary user.
TEST(CopyFaults, AFolderTheUserMayNotWriteFailsEveryFile) {
    CopyScene scene;
    scene.writePhoto("65A.JPG", 30'000);
    scene.writePhoto("65B.JPG", 0);
    scene.program.makeFolder("/vantrels");
    for (const std::string& open : {scene.disc.path(), scene.program.path()}) {
        fs::permissions(open, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                  fs::perms::others_read | fs::perms::others_exec);
    }
    fs::permissions(scene.program.path() + "/vantrels",
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    const CopyRoots roots = scene.roots();
    const std::string outcome = testing::RunWithoutPrivileges([&] {
        PosixFileSystem fileSystem;
        PosixFileCopier copier;
        MediaCopy copy(CopyKind::Photos, roots, fileSystem, copier);
        copy.confirmTargetFolder();
        copy.planPhotos(
            *PhotoCatalogue::Build(fileSystem, roots.contentPath,
                                   [](const FileSystemError&) { return RetryChoice::GiveUp; }));
        std::string texts;
        for (const std::string& text : FailureTexts(RunToEnd(copy))) {
            texts += text + "|";
        }
        return texts;
    });
    EXPECT_EQ(outcome, "Permission denied|Permission denied|");
    ExpectNothingPartial(scene);
}

// What happens to the second of two photos while they are copied.
struct SourceFault {
    const char* what;
    Kind when;  // the event of the copy after which the source changes
    int fileNumber;
    std::function<void(const std::string& source)> change;
    const char* failure;  // "" when the copy still succeeds
};

void PrintTo(const SourceFault& fault, std::ostream* out) {
    *out << fault.what;
}

class SourceFaults : public ::testing::TestWithParam<SourceFault> {};

TEST_P(SourceFaults, AreReportedAndLeaveNothingPartial) {
    const SourceFault& fault = GetParam();
    CopyScene scene;
    scene.writePhoto("65A.JPG", 100'000);
    const std::string source = scene.writePhoto("65B.JPG", 100'000);
    const std::string original = ReadFile(source);
    // The folder is there before, so the copy leaves it, and anything partial would show.
    scene.program.makeFolder("/vantrels");
    MediaCopy copy(CopyKind::Photos, scene.roots(), scene.fileSystem, scene.namedCopier,
                   testing::kEveryBlock);
    copy.confirmTargetFolder();
    copy.planPhotos(scene.discPhotos());
    bool changed = false;
    std::vector<CopyEvent> events;
    copy.run([&](const CopyEvent& event) {
        events.push_back(event);
        if (!changed && event.kind == fault.when && event.fileNumber == fault.fileNumber) {
            fault.change(source);
            changed = true;
        }
        return true;
    });
    ASSERT_TRUE(changed);
    if (*fault.failure == '\0') {
        EXPECT_TRUE(copy.complete());
        EXPECT_EQ(ReadFile(scene.photo("65B.JPG")), original);
    } else {
        EXPECT_EQ(FailureTexts(events), std::vector<std::string>{fault.failure});
        EXPECT_TRUE(FolderNames(scene.program.path() + "/vantrels").empty());
    }
    ExpectNothingPartial(scene);
}

INSTANTIATE_TEST_SUITE_P(
    CopyFaults, SourceFaults,
    ::testing::Values(SourceFault{"ShortenedMidCopy", Kind::BlocksCopied, 2,
                                  [](const std::string& path) { fs::resize_file(path, 10'000); },
                                  "Input past end of file"},
                      SourceFault{"GoneBeforeItsTurn", Kind::FileCopied, 1,
                                  [](const std::string& path) { fs::remove(path); },
                                  "No such file or directory"},
                      SourceFault{"AFolderInItsPlace", Kind::FileCopied, 1,
                                  [](const std::string& path) {
                                      fs::remove(path);
                                      fs::create_directory(path);
                                  },
                                  "Is a directory"},
                      // An open file stays readable after its name is deleted: the copy completes.
                      SourceFault{"DeletedMidCopy", Kind::BlocksCopied, 2,
                                  [](const std::string& path) { fs::remove(path); }, ""}),
    [](const ::testing::TestParamInfo<SourceFault>& info) { return info.param.what; });

// Killed in the middle of a file: an unnamed partial file is gone with the program; a named
// one stays, is never listed, and the next copy removes it.
TEST(CopyFaults, AProgramKilledMidCopyLeavesNothingThatCounts) {
    for (const PartialFiles partials : {PartialFiles::Unnamed, PartialFiles::Named}) {
        CopyScene scene;
        scene.writePhoto("65A.JPG", 30'000);
        scene.writePhoto("65B.JPG", 200'000);
        const PhotoCatalogue disc = scene.discPhotos();
        PosixFileCopier copier(partials);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            MediaCopy copy(CopyKind::Photos, scene.roots(), scene.fileSystem, copier);
            copy.confirmTargetFolder();
            copy.planPhotos(disc);
            copy.run([](const CopyEvent& event) {
                if (event.kind == Kind::BlocksCopied && event.fileNumber == 2) {
                    ::raise(SIGKILL);
                }
                return true;
            });
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));
        const auto left = FolderNames(scene.program.path() + "/vantrels");
        if (partials == PartialFiles::Unnamed) {
            EXPECT_EQ(left, std::vector<std::string>{"65A.JPG"});
        } else {
            ASSERT_EQ(left.size(), 2u);
            EXPECT_TRUE(IsPartialCopyName(left[0])) << left[0];
        }
        EXPECT_EQ(CopyScene::Catalogue(scene.fileSystem, scene.program.path()).count(), 1);

        MediaCopy again(CopyKind::Photos, scene.roots(), scene.fileSystem, copier);
        EXPECT_EQ(again.confirmTargetFolder().kind, TargetFolderCheck::Kind::AlreadyThere);
        again.planPhotos(disc);
        RunToEnd(again);
        EXPECT_EQ(FolderNames(scene.program.path() + "/vantrels"),
                  (std::vector<std::string>{"65A.JPG", "65B.JPG"}));
        ExpectNothingPartial(scene);
    }
}

}  // namespace
}  // namespace velocarta
