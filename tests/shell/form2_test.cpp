#include "shell/form2.h"

#include <gtest/gtest.h>

#include <QTimer>

#include "shell/form1.h"
#include "support/failing_file_system.h"
#include "support/shell_harness.h"

namespace velocarta {
namespace {

using testing::ShellHarness;

TEST(Form2Load, FindsTheDiscPlaysTheSoundArmsTheTimerAndBuildsTheCatalogue) {
    ShellHarness harness;
    harness.addPhoto("65A.JPG");
    harness.program.writeFile("/passby.wav", "RIFF");
    Program& program = harness.start();

    EXPECT_TRUE(harness.windows->form2().isVisible());
    EXPECT_TRUE(harness.prompter.shown().empty());
    EXPECT_EQ(harness.screen.pointer(), Pointer::Hourglass);
    EXPECT_EQ(program.contentPath, harness.disc.path());
    EXPECT_EQ(program.photoRoot, harness.disc.path());
    EXPECT_EQ(harness.startupDevice.operations,
              (std::vector<std::string>{"close", "type WaveAudio",
                                        "file " + harness.program.path() + "/passby.wav", "open",
                                        "play"}));
    EXPECT_TRUE(harness.windows->form2().Timer1->isActive());
    EXPECT_EQ(harness.windows->form2().Timer1->interval(), 5000);
    EXPECT_TRUE(program.startupPending);
    EXPECT_EQ(program.photos.count(), 2);
    EXPECT_EQ(harness.windows->form1(), nullptr);  // the main window waits for the tick
}

TEST(Form2Load, ASecondInstanceIsToldAndEnds) {
    ShellHarness harness;
    harness.instanceGuard = testing::FakeInstanceGuard(/*otherInstanceRunning=*/true);
    Program& program = harness.start();
    ASSERT_EQ(harness.prompter.shown().size(), 1u);
    const Message& message = harness.prompter.last();
    EXPECT_EQ(message.text, "The Vantrel Velocarta is already running!");
    EXPECT_EQ(message.title, "The Vantrel Velocarta");
    EXPECT_EQ(message.buttons, Buttons::Ok);
    EXPECT_EQ(message.icon, Icon::Critical);
    EXPECT_TRUE(message.systemModal);
    EXPECT_TRUE(program.ended());
    EXPECT_EQ(harness.endProgramCalls, 1);
    // Nothing else happens: no search, no sound, no timer.
    EXPECT_EQ(program.contentPath, "");
    EXPECT_TRUE(harness.startupDevice.operations.empty());
    EXPECT_FALSE(harness.windows->form2().Timer1->isActive());
    EXPECT_NE(harness.screen.pointer(), Pointer::Hourglass);
}

TEST(Form2Load, HwiReadsEverythingFromTheProgramFolder) {
    ShellHarness harness;
    harness.program.writeFile("/vantrels/70A.JPG");
    Program& program = harness.start("HWI");
    EXPECT_EQ(program.contentPath, harness.program.path());
    EXPECT_EQ(program.photoRoot, harness.program.path());
    EXPECT_EQ(program.photos.count(), 1);
    EXPECT_EQ(program.photos.fileName(1), "70A.JPG");
}

TEST(Form2Load, OnlyTheExactArgumentCounts) {
    for (const char* commandLine : {"hwi", "HWI extra", " HWI"}) {
        ShellHarness harness;
        Program& program = harness.start(commandLine);
        EXPECT_EQ(program.contentPath, harness.disc.path()) << commandLine;
    }
}

TEST(Form2Load, NoDiscOffersRetryAndCancelEndsTheProgram) {
    ShellHarness harness;
    harness.environment.variables["VELOCARTA_DRIVES"] = "/nonexistent/velocarta-cd";
    harness.prompter.answerNext(Answer::Cancel);
    Program& program = harness.start();
    ASSERT_EQ(harness.prompter.shown().size(), 1u);
    EXPECT_EQ(harness.prompter.last().buttons, Buttons::RetryCancel);
    EXPECT_EQ(harness.prompter.last().icon, Icon::None);
    EXPECT_EQ(harness.prompter.last().text,
              "Error number: ER001\r\n\r\n Unable to detect the Vantrel Velocarta CDROM.\r\n\r\n"
              "Make sure that the Vantrel Velocarta is in the CDROM drive.");
    EXPECT_TRUE(program.ended());
    EXPECT_FALSE(
        harness.windows->form2().isVisible());  // the start-up window closed before the box
    EXPECT_FALSE(harness.windows->form2().Timer1->isActive());
    EXPECT_TRUE(harness.startupDevice.operations.empty());
}

TEST(Form2Load, RetrySearchesAgainAndGoesOn) {
    ShellHarness harness;
    testing::TempFolder lateDisc;
    harness.environment.variables["VELOCARTA_DRIVES"] = lateDisc.path();
    int boxes = 0;
    harness.prompter.onShow = [&](const Message&) {
        // The user inserts the disc while the second box is open.
        if (++boxes == 2) {
            lateDisc.writeFile("/vantrels/66A.JPG");
        }
    };
    Program& program = harness.start();
    EXPECT_EQ(boxes, 2);
    EXPECT_FALSE(program.ended());
    EXPECT_EQ(program.contentPath, lateDisc.path());
    EXPECT_TRUE(harness.windows->form2().Timer1->isActive());
    EXPECT_EQ(program.photos.count(), 1);
}

TEST(Form2Load, CopiedPhotosWithoutDiscStillAskForTheDisc) {
    ShellHarness harness;
    harness.program.writeFile("/vantrels/64A.JPG");
    harness.environment.variables["VELOCARTA_DRIVES"] = "";
    harness.prompter.answerNext(Answer::Cancel);
    Program& program = harness.start();
    EXPECT_TRUE(program.ended());
    EXPECT_EQ(harness.prompter.last().text.substr(0, 19), "Error number: ER001");
}

TEST(Form2Load, CopiedPhotosAreReadFromTheHardDisk) {
    ShellHarness harness;
    harness.program.writeFile("/vantrels/64A.JPG");
    harness.program.writeFile("/vantrels/64B.JPG");
    Program& program = harness.start();
    EXPECT_EQ(program.photoRoot, harness.program.path());
    EXPECT_EQ(program.contentPath, harness.disc.path());
    EXPECT_EQ(program.photos.count(), 2);
    EXPECT_EQ(program.photos.namePos(), static_cast<int>(harness.program.path().size()) + 1);
}

TEST(Form2Load, AMissingOrUnplayableStartupSoundIsSkippedSilently) {
    ShellHarness missing;
    missing.start();
    EXPECT_TRUE(missing.startupDevice.operations.empty());
    EXPECT_TRUE(missing.prompter.shown().empty());
    EXPECT_TRUE(missing.windows->form2().Timer1->isActive());

    ShellHarness unplayable;
    unplayable.program.writeFile("/passby.wav", "not a sound");
    unplayable.startupDevice.failOn.insert("open");
    Program& second = unplayable.start();
    EXPECT_TRUE(unplayable.prompter.shown().empty());
    EXPECT_FALSE(unplayable.startupDevice.isPlaying());
    EXPECT_TRUE(unplayable.windows->form2().Timer1->isActive());
    EXPECT_EQ(second.photos.count(), 1);
}

TEST(Form2Load, AFailedCatalogueListingOffersRetry) {
    ShellHarness harness;
    harness.addPhoto("64B.JPG");
    testing::FailingFileSystem failing;
    // Listing steps 1 to 3 are the photo tests of the program folder and of the disc and the
    // start-up sound's; step 4 is the catalogue's first.
    failing.failNextCalls = {4};
    harness.fileSystem = &failing;
    Program& program = harness.start();
    ASSERT_EQ(harness.prompter.shown().size(), 1u);
    EXPECT_EQ(harness.prompter.last().text.substr(0, 19), "Error number: ER037");
    EXPECT_EQ(harness.prompter.last().buttons, Buttons::RetryCancel);
    EXPECT_FALSE(program.ended());
    EXPECT_EQ(program.photos.count(), 2);

    ShellHarness cancelled;
    testing::FailingFileSystem failingAgain;
    failingAgain.failNextCalls = {4};
    cancelled.fileSystem = &failingAgain;
    cancelled.prompter.answerNext(Answer::Cancel);
    EXPECT_TRUE(cancelled.start().ended());
}

TEST(Form2Load, ListsTheDiscsMoviesAfterThePhotos) {
    ShellHarness harness;
    harness.disc.writeFile("/movies/Kite1.avi");
    harness.disc.writeFile("/movies/notes.txt");
    Program& program = harness.start();
    EXPECT_EQ(program.movies.names, std::vector<std::string>{"KITE1.AVI"});
    EXPECT_TRUE(harness.prompter.shown().empty());

    // A disc without movies has none to list: nothing is said.
    ShellHarness none;
    EXPECT_EQ(none.start().movies.count(), 0);
    EXPECT_TRUE(none.prompter.shown().empty());
}

TEST(Form2Load, AFailedMovieListingOffersRetry) {
    ShellHarness harness;
    harness.disc.writeFile("/movies/Kite1.avi");
    testing::FailingFileSystem failing;
    // Listing steps 1 to 3 are the photo tests and the start-up sound's, 4 and 5 the
    // catalogue's; step 6 is the movie list's first.
    failing.failNextCalls = {6};
    harness.fileSystem = &failing;
    Program& program = harness.start();
    ASSERT_EQ(harness.prompter.shown().size(), 1u);
    EXPECT_EQ(harness.prompter.last().text.substr(0, 19), "Error number: ER055");
    EXPECT_EQ(harness.prompter.last().buttons, Buttons::RetryCancel);
    EXPECT_FALSE(program.ended());
    EXPECT_EQ(program.movies.count(), 1);
    harness.windows->form2().Timer1_Timer();
    EXPECT_NE(harness.windows->form1(), nullptr);

    ShellHarness cancelled;
    testing::FailingFileSystem failingAgain;
    failingAgain.failNextCalls = {6};
    cancelled.fileSystem = &failingAgain;
    cancelled.prompter.answerNext(Answer::Cancel);
    EXPECT_TRUE(cancelled.start().ended());
    // The main window never opens on a program that is ending.
    cancelled.windows->form2().Timer1_Timer();
    EXPECT_EQ(cancelled.windows->form1(), nullptr);
}

TEST(Form2Tick, WaitsForACatalogueThatIsStillBeingBuilt) {
    ShellHarness harness;
    testing::FailingFileSystem failing;
    failing.failNextCalls = {4};
    harness.fileSystem = &failing;
    // The five seconds pass while the catalogue's Retry box is open.
    harness.prompter.onShow = [&harness](const Message&) {
        harness.windows->form2().Timer1_Timer();
        EXPECT_EQ(harness.windows->form1(), nullptr);
    };
    Program& program = harness.start();
    ASSERT_NE(harness.windows->form1(), nullptr);
    EXPECT_EQ(program.photos.count(), 1);
}

}  // namespace
}  // namespace velocarta
