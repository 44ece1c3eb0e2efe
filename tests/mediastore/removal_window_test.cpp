// The File menu's entries that remove the copied photos and movies again.
#include <filesystem>

#include "store_window_fixture.h"

namespace velocarta {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using Removal = testing::StoreWindowTest;

constexpr const char* kRemovePhotos =
    "Would you like to remove all Vantrel Velocarta photos from your hard drive?";
constexpr const char* kPhotosRemoved =
    "All Photos Successfully Removed!\r\n\r\nYou must now exit and re-enter the Vantrel "
    "Velocarta to allow \r\nthe software to find the photos on the cdrom drive.\r\n\r\nYou must "
    "also re-install the Vantrel Velocarta Screen Saver \r\nif you have previously installed it.";
constexpr const char* kExit = "Exit The Vantrel Velocarta?";

TEST_F(Removal, PhotosGoWithTheirFolderAndTheMainWindowAsksToClose) {
    discPhoto("65A.JPG", 30'000);
    start();
    ASSERT_TRUE(copyThroughPanel());
    harness.program.writeFile("/ssvantrels/65A.JPG", "chosen for the screen saver");
    choose("mnuRemove");
    EXPECT_EQ(texts(), (std::vector<std::string>{"Photos successfully copied!\r\n", kRemovePhotos,
                                                 kPhotosRemoved, kExit}));
    EXPECT_EQ(harness.prompter.shown()[1].buttons, Buttons::YesNo);
    EXPECT_EQ(harness.prompter.shown()[1].icon, Icon::Question);
    EXPECT_EQ(harness.prompter.shown()[2].icon, Icon::None);
    EXPECT_FALSE(fs::exists(store() + "/vantrels"));
    EXPECT_EQ(ReadFile(store() + "/ssvantrels/65A.JPG"), "chosen for the screen saver");
    EXPECT_EQ(program().photoRoot, harness.disc.path());
    EXPECT_EQ(harness.endProgramCalls, 1);
    EXPECT_EQ(harness.screen.pointers.back(), Pointer::Default);
}

TEST_F(Removal, NoLeavesEverything) {
    harness.program.writeFile("/vantrels/65A.JPG");
    start();
    harness.prompter.answerNext(Answer::No);
    choose("mnuRemove");
    EXPECT_EQ(texts(), std::vector<std::string>{kRemovePhotos});
    EXPECT_TRUE(fs::exists(store() + "/vantrels/65A.JPG"));
    EXPECT_EQ(program().photoRoot, store());
    EXPECT_EQ(harness.endProgramCalls, 0);
}

TEST_F(Removal, OtherFilesStayAndSoDoesTheirFolder) {
    harness.program.writeFile("/vantrels/65A.JPG");
    harness.program.writeFile("/vantrels/notes.txt");
    start();
    choose("mnuRemove");
    EXPECT_EQ(storeNames(), std::vector<std::string>{"notes.txt"});
    EXPECT_EQ(texts().back(), kExit);
}

TEST_F(Removal, NothingToRemoveIsStillReportedAsDone) {
    start();
    choose("mnuRemove");
    EXPECT_EQ(texts(), (std::vector<std::string>{kRemovePhotos, kPhotosRemoved, kExit}));
}

TEST_F(Removal, StayingAfterwardsReadsThePhotosFromTheDisc) {
    harness.program.writeFile("/vantrels/64A.JPG");
    start();
    ASSERT_EQ(program().photos.root(), store());
    harness.prompter.answerNext(Answer::Yes);
    harness.prompter.answerNext(Answer::Ok);
    harness.prompter.answerNext(Answer::Cancel);  // the exit question
    choose("mnuRemove");
    EXPECT_EQ(texts().back(), kExit);
    EXPECT_EQ(harness.endProgramCalls, 0);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(program().photos.root(), harness.disc.path());
    EXPECT_EQ(program().photos.count(), 1);
}

TEST_F(Removal, MoviesGoWithoutClosingTheWindow) {
    harness.program.writeFile("/movies/CHASE.AVI");
    harness.program.writeFile("/movies/parade.avi");
    harness.program.writeFile("/vantrels/65A.JPG");
    start();
    choose("mnuRemoveMovies");
    EXPECT_EQ(texts(), (std::vector<std::string>{"Would you like to remove all Vantrel Velocarta "
                                                 "movies from your hard drive?",
                                                 "All movies successfully removed!"}));
    EXPECT_FALSE(fs::exists(store() + "/movies"));
    EXPECT_TRUE(fs::exists(store() + "/vantrels/65A.JPG"));
    EXPECT_EQ(program().photoRoot, store());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(harness.endProgramCalls, 0);
}

// Started with "HWI", the program folder is the disc: its photos are the only ones.
TEST_F(Removal, WithHwiTheDiscItselfIsNotRemoved) {
    harness.program.writeFile("/vantrels/65A.JPG");
    harness.program.writeFile("/movies/CHASE.AVI");
    start("HWI");
    for (const char* entry : {"mnuRemove", "mnuRemoveMovies"}) {
        choose(entry);
    }
    ASSERT_EQ(texts().size(), 4u);
    EXPECT_EQ(texts()[1],
              "The photos on your hard drive are the ones the Vantrel Velocarta reads as its "
              "CD-ROM.\r\n\r\nThey were not removed.");
    EXPECT_EQ(texts()[3],
              "The movies on your hard drive are the ones the Vantrel Velocarta reads as its "
              "CD-ROM.\r\n\r\nThey were not removed.");
    EXPECT_TRUE(fs::exists(store() + "/vantrels/65A.JPG"));
    EXPECT_TRUE(fs::exists(store() + "/movies/CHASE.AVI"));
    EXPECT_EQ(harness.endProgramCalls, 0);
}

}  // namespace
}  // namespace velocarta
