#include "mediastore/block_copy.h"

#include <gtest/gtest.h>

#include "copy_scene.h"

namespace velocarta {
namespace {

using testing::CopyScene;
using testing::FolderNames;
using testing::ReadFile;

// A photo of the catalogue copied into the screen saver's selection.
struct PhotoToSaver : CopyScene {
    PhotoToSaver() { program.makeFolder("/ssvantrels"); }
    FileCopyOutcome copy(const std::string& name, const GaugeCallback& onBlock) {
        return CopyFileWithGauge(fileSystem, copier, {disc.path(), "/vantrels/" + name},
                                 {program.path(), "/ssvantrels/" + name}, onBlock);
    }
    std::string saved(const std::string& name) const {
        return program.path() + "/ssvantrels/" + name;
    }
};

TEST(CopyFileWithGauge, MovesTheGaugeAfterEveryThousandBytes) {
    PhotoToSaver scene;
    scene.writePhoto("65A.JPG", 3'500);
    std::vector<int> gauge;
    const FileCopyOutcome outcome = scene.copy("65A.JPG", [&](int percent) {
        gauge.push_back(percent);
        return true;
    });
    EXPECT_EQ(outcome.kind, FileCopyOutcome::Kind::Copied);
    EXPECT_EQ(gauge, (std::vector<int>{29, 57, 86}));
    EXPECT_EQ(ReadFile(scene.saved("65A.JPG")), ReadFile(scene.disc.path() + "/vantrels/65A.JPG"));
}

TEST(CopyFileWithGauge, ReplacesAnOlderCopyAndKeepsItWhenStopped) {
    PhotoToSaver scene;
    scene.writePhoto("65A.JPG", 5'000);
    scene.program.writeFile("/ssvantrels/65a.jpg", "older");
    const FileCopyOutcome stopped = scene.copy("65A.JPG", [](int percent) { return percent < 40; });
    EXPECT_EQ(stopped.kind, FileCopyOutcome::Kind::Cancelled);
    EXPECT_EQ(FolderNames(scene.program.path() + "/ssvantrels"),
              std::vector<std::string>{"65a.jpg"});
    EXPECT_EQ(ReadFile(scene.saved("65a.jpg")), "older");

    EXPECT_EQ(scene.copy("65A.JPG", nullptr).kind, FileCopyOutcome::Kind::Copied);
    EXPECT_EQ(ReadFile(scene.saved("65a.jpg")).size(), 5'000u);
    EXPECT_EQ(FolderNames(scene.program.path() + "/ssvantrels").size(), 1u);
}

TEST(CopyFileWithGauge, ReportsWhatIsMissing) {
    PhotoToSaver scene;
    EXPECT_EQ(scene.copy("99Z.JPG", nullptr).failure, "No such file or directory");
    scene.writePhoto("65A.JPG", 10);
    const FileCopyOutcome noFolder =
        CopyFileWithGauge(scene.fileSystem, scene.copier, {scene.disc.path(), "/vantrels/65A.JPG"},
                          {scene.program.path(), "/gone/65A.JPG"}, nullptr);
    EXPECT_EQ(noFolder.kind, FileCopyOutcome::Kind::Failed);
    EXPECT_EQ(noFolder.failure, "No such file or directory");
}

}  // namespace
}  // namespace velocarta
