#include "mediastore/media_removal.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "copy_scene.h"
#include "support/system_faults.h"

namespace velocarta {
namespace {

namespace fs = std::filesystem;
using testing::CopyScene;
using testing::FolderNames;

TEST(MediaRemoval, AsksFirstAndGoesOnOnlyOnYes) {
    const Message photos = RemovalQuestion(CopyKind::Photos);
    EXPECT_EQ(photos.text,
              "Would you like to remove all Vantrel Velocarta photos from your hard drive?");
    EXPECT_EQ(photos.buttons, Buttons::YesNo);
    EXPECT_EQ(photos.icon, Icon::Question);
    EXPECT_EQ(RemovalQuestion(CopyKind::Movies).text,
              "Would you like to remove all Vantrel Velocarta movies from your hard drive?");
    EXPECT_TRUE(RemovalConfirmed(Answer::Yes));
    EXPECT_FALSE(RemovalConfirmed(Answer::No));
    EXPECT_FALSE(RemovalConfirmed(Answer::Ok));
    EXPECT_TRUE(RemovalClosesMainWindow(CopyKind::Photos));
    EXPECT_FALSE(RemovalClosesMainWindow(CopyKind::Movies));
}

TEST(MediaRemoval, TheMessagesAfterwards) {
    const Message photos = RemovalDoneMessage(CopyKind::Photos);
    EXPECT_EQ(photos.text,
              "All Photos Successfully Removed!\r\n\r\nYou must now exit and re-enter the Vantrel "
              "Velocarta to allow \r\nthe software to find the photos on the cdrom drive.\r\n\r\n"
              "You must also re-install the Vantrel Velocarta Screen Saver \r\nif you have "
              "previously installed it.");
    EXPECT_EQ(photos.icon, Icon::None);
    EXPECT_EQ(photos.buttons, Buttons::Ok);
    EXPECT_EQ(RemovalDoneMessage(CopyKind::Movies).text, "All movies successfully removed!");
}

TEST(MediaRemoval, DeletesThePhotosAndTheirFolderButNotTheScreenSaversSelection) {
    CopyScene scene;
    scene.program.writeFile("/vantrels/65A.JPG");
    scene.program.writeFile("/vantrels/65b.jpg");
    scene.program.writeFile("/vantrels/.65C.JPG.partial-0badf00d");  // from a killed copy
    scene.program.writeFile("/ssvantrels/65A.JPG");
    scene.program.writeFile("/movies/Kite1.avi");
    const RemovalResult result =
        RemoveCopiedMedia(CopyKind::Photos, scene.fileSystem, scene.copier, scene.program.path());
    EXPECT_EQ(result.filesDeleted, 2);
    EXPECT_TRUE(result.folderRemoved);
    EXPECT_EQ(FolderNames(scene.program.path()),
              (std::vector<std::string>{"movies", "ssvantrels"}));
    EXPECT_EQ(FolderNames(scene.program.path() + "/ssvantrels"),
              std::vector<std::string>{"65A.JPG"});
}

TEST(MediaRemoval, OtherFilesAndTheirFolderStay) {
    CopyScene scene;
    scene.program.writeFile("/movies/Kite1.avi");
    scene.program.writeFile("/movies/notes.txt");
    const RemovalResult result =
        RemoveCopiedMedia(CopyKind::Movies, scene.fileSystem, scene.copier, scene.program.path());
    EXPECT_EQ(result.filesDeleted, 1);
    EXPECT_FALSE(result.folderRemoved);
    EXPECT_EQ(FolderNames(scene.program.path() + "/movies"), std::vector<std::string>{"notes.txt"});
}

TEST(MediaRemoval, NothingToRemoveIsNoFailure) {
    CopyScene scene;
    const RemovalResult result =
        RemoveCopiedMedia(CopyKind::Photos, scene.fileSystem, scene.copier, scene.program.path());
    EXPECT_EQ(result.filesDeleted, 0);
    EXPECT_FALSE(result.folderRemoved);
}

TEST(MediaRemoval, FilesThatCannotBeDeletedAreLeftWithoutComplaint) {
    CopyScene scene;
    scene.program.writeFile("/vantrels/65A.JPG");
    for (const std::string& open : {scene.program.path(), scene.program.path() + "/vantrels"}) {
        fs::permissions(open, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                  fs::perms::others_read | fs::perms::others_exec);
    }
    const std::string program = scene.program.path();
    const std::string outcome = testing::RunWithoutPrivileges([&] {
        PosixFileSystem fileSystem;
        PosixFileCopier copier;
        const RemovalResult result =
            RemoveCopiedMedia(CopyKind::Photos, fileSystem, copier, program);
        return std::to_string(result.filesDeleted) + (result.folderRemoved ? " removed" : " kept");
    });
    EXPECT_EQ(outcome, "0 kept");
    EXPECT_TRUE(fs::exists(program + "/vantrels/65A.JPG"));
}

}  // namespace
}  // namespace velocarta
