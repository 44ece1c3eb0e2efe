// The copy panel meeting real faults: a disk that fills up, a folder that cannot be
// written, a source that changes or goes while the copy runs. After each: no partial file,
// the system's own description of the fault, the remaining files tried, a catalogue that
// reads, and a window that works again.
#include <QMenuBar>
#include <filesystem>
#include <functional>

#include "store_window_fixture.h"
#include "support/failing_file_copier.h"
#include "support/system_faults.h"

namespace velocarta {
namespace {

namespace fs = std::filesystem;
using testing::FailingFileCopier;
using testing::kAlreadyCopied;
using testing::kPhotosCopied;
using testing::ReadFile;
using testing::ScopedTmpfs;

constexpr const char* kNotAllCopied =
    "Not all photos could be copied to your hard drive.\r\n\r\nYour hard drive was left as it "
    "was before the copy.";

class CopyPanelFaults : public testing::StoreWindowTest {
  protected:
    // The failure messages shown, then the closing message.
    std::vector<std::string> failures() {
        std::vector<std::string> shown = texts();
        if (!shown.empty() && shown.back() == kNotAllCopied) {
            shown.pop_back();
        }
        std::erase(shown, kAlreadyCopied);
        return shown;
    }
    void expectAWorkingWindowAfterwards(const std::string& photoRoot) {
        EXPECT_EQ(texts().back(), kNotAllCopied);
        EXPECT_TRUE(panel()->isHidden());
        EXPECT_TRUE(form->menuBar()->isEnabled());
        EXPECT_TRUE(control("cmdDesc")->isEnabled());
        EXPECT_EQ(harness.screen.pointer(), Pointer::Default);
        EXPECT_EQ(program().photoRoot, photoRoot);
        EXPECT_EQ(program().photos.root(), photoRoot);
        EXPECT_GT(program().photos.count(), 0);
        expectNothingPartial();
    }
    FailingFileCopier failing;
};

TEST_F(CopyPanelFaults, AFullDiskFailsWhatDoesNotFitAndTakesTheRestAwayAgain) {
    // 40 pages of 4 KiB; a photo of 50,000 bytes takes 13 of them.
    const auto disk = ScopedTmpfs::Mount(harness.program.path(), 40 * 4096);
    if (!disk) {
        // No small disk to be had here: the same failure, injected into the second write.
        failing.failTransfer = 2;
        harness.copierInUse = &failing;
    }
    for (const char* name : {"65A.JPG", "65B.JPG", "65C.JPG", "65D.JPG", "65E.JPG"}) {
        discPhoto(name, 50'000);
    }
    start();
    ASSERT_TRUE(copyThroughPanel());
    const std::vector<std::string> shown = failures();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown, std::vector<std::string>(shown.size(), "No space left on device"));
    EXPECT_EQ(harness.prompter.shown().front().buttons, Buttons::Ok);
    // The copy made the folder, so it takes it away with the photos it added.
    EXPECT_FALSE(fs::exists(store() + "/vantrels"));
    expectAWorkingWindowAfterwards(harness.disc.path());
}

TEST_F(CopyPanelFaults, AFolderThatCannotBeWrittenFailsEveryFile) {
    discPhoto("65A.JPG", 30'000);
    harness.program.makeFolder("/vantrels");
    const auto disk = ScopedTmpfs::Mount(harness.program.path() + "/vantrels", 1 << 20);
    if (!disk || !disk->makeReadOnly()) {
        GTEST_SKIP() << "this system does not let the test mount a read-only folder; "
                        "AFullDiskFailsWhatDoesNotFit covers an injected failure";
    }
    start();
    ASSERT_TRUE(copyThroughPanel());
    // 64A and 65A.
    EXPECT_EQ(failures(), std::vector<std::string>(2, "Read-only file system"));
    EXPECT_TRUE(storeNames().empty());
    expectAWorkingWindowAfterwards(harness.disc.path());
}

// What happens to 65B while the photos are copied.
struct SourceFault {
    const char* what;
    const char* duringFile;  // the file being copied when it happens
    std::function<void(const std::string& source)> change;
    const char* failure;
};

void PrintTo(const SourceFault& fault, std::ostream* out) {
    *out << fault.what;
}

class SourceFaults : public CopyPanelFaults, public ::testing::WithParamInterface<SourceFault> {};

TEST_P(SourceFaults, AreReportedAndTheRestIsStillTried) {
    const SourceFault& fault = GetParam();
    discPhoto("65A.JPG", 30'000);
    const std::string source = discPhoto("65B.JPG", 200'000);
    discPhoto("65C.JPG", 30'000);
    harness.copierInUse = &failing;
    bool changed = false;
    failing.beforeTransfer = [&](int, std::int64_t) {
        if (!changed && failing.lastSource.ends_with(fault.duringFile)) {
            fault.change(source);
            changed = true;
        }
    };
    start();
    ASSERT_TRUE(copyThroughPanel());
    ASSERT_TRUE(changed);
    EXPECT_EQ(failures(), std::vector<std::string>{fault.failure});
    EXPECT_EQ(failing.opens, 4) << "65C is tried after 65B failed";
    EXPECT_FALSE(fs::exists(store() + "/vantrels"));
    expectAWorkingWindowAfterwards(harness.disc.path());
}

INSTANTIATE_TEST_SUITE_P(
    CopyPanelFaults, SourceFaults,
    ::testing::Values(SourceFault{"ShortenedMidCopy", "65B.JPG",
                                  [](const std::string& path) { fs::resize_file(path, 10'000); },
                                  "Input past end of file"},
                      SourceFault{"GoneBeforeItsTurn", "65A.JPG",
                                  [](const std::string& path) { fs::remove(path); },
                                  "No such file or directory"}),
    [](const ::testing::TestParamInfo<SourceFault>& info) { return info.param.what; });

TEST_F(CopyPanelFaults, AFailedSecondCopyKeepsTheFirst) {
    discPhoto("65A.JPG", 30'000);
    discPhoto("65B.JPG", 60'000);
    harness.copierInUse = &failing;
    start();
    ASSERT_TRUE(copyThroughPanel());
    ASSERT_EQ(program().photoRoot, store());

    // The second copy's write of 65B's blocks fails.
    failing.failTransfer = failing.transfers + 4;
    failing.failWith = EIO;
    ASSERT_TRUE(copyThroughPanel());
    EXPECT_EQ(failures(), (std::vector<std::string>{kPhotosCopied, "Input/output error"}));
    EXPECT_EQ(storeNames(), (std::vector<std::string>{"64A.JPG", "65A.JPG", "65B.JPG"}));
    EXPECT_EQ(ReadFile(store() + "/vantrels/65B.JPG"), Contents("65B.JPG", 60'000));
    expectAWorkingWindowAfterwards(store());
}

}  // namespace
}  // namespace velocarta
