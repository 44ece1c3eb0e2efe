// The codec installer offered from the File menu.
#include "media_fixture.h"

namespace velocarta::testing {
namespace {

class CodecInstallerTest : public MediaWindowTest {
  protected:
    void offerAndAnswer(Answer answer) {
        harness.prompter.answerNext(answer);
        choose("mnuVideo");
    }
};

TEST_F(CodecInstallerTest, YesRunsTheInstallerWithTheMainWindowDisabledUntilItEnds) {
    bool disabledMeanwhile = false;
    harness.processes.whileWaiting = [&](const ProcessCall&) {
        disabledMeanwhile = !form->isEnabled();
    };
    offerAndAnswer(Answer::Yes);
    ASSERT_EQ(harness.processes.calls.size(), 1u);
    EXPECT_EQ(harness.processes.calls[0].program, installer);
    EXPECT_TRUE(harness.processes.calls[0].waited);
    EXPECT_TRUE(disabledMeanwhile);
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(boxes(), 1u);
    EXPECT_EQ(harness.prompter.last().buttons, Buttons::YesNo);

    // Whatever the installer ends with is no failure of the program's.
    harness.processes.exitCode = 3;
    offerAndAnswer(Answer::Yes);
    EXPECT_EQ(boxes(), 2u);
    EXPECT_TRUE(form->isEnabled());
}

TEST_F(CodecInstallerTest, NoRunsNothing) {
    offerAndAnswer(Answer::No);
    EXPECT_TRUE(harness.processes.calls.empty());
    EXPECT_EQ(boxes(), 1u);
    EXPECT_TRUE(form->isEnabled());
}

TEST_F(CodecInstallerTest, AMissingOrRefusedInstallerIsReported) {
    std::filesystem::remove(installer);
    offerAndAnswer(Answer::Yes);
    ASSERT_EQ(boxes(), 2u);
    EXPECT_EQ(lastText(),
              "Error number: ER003\r\n\r\n Unable to load Intel Video driver install software."
              "\r\n\r\nMake sure that the Vantrel Velocarta is in the CDROM drive.");
    EXPECT_TRUE(harness.processes.calls.empty());
    EXPECT_TRUE(form->isEnabled());

    harness.disc.writeFile("/IndeoVideo/IV5PLAY.EXE", "");
    harness.processes.failToStart = true;
    offerAndAnswer(Answer::Yes);
    ASSERT_EQ(boxes(), 4u);
    EXPECT_EQ(lastCode(), "ER003");
    EXPECT_NE(lastText().find("Cannot start " + harness.disc.path() + "/IndeoVideo/IV5PLAY.EXE"),
              std::string::npos)
        << lastText();
    EXPECT_TRUE(form->isEnabled());
}

TEST_F(CodecInstallerTest, AFailureOfferedFromTheMovieWindowLeavesTheMainWindowDisabled) {
    openMovieWindow();
    harness.processes.failToStart = true;
    harness.prompter.answerNext(Answer::Yes);
    Click(movieControl<QPushButton>("SSCommand2"));
    EXPECT_EQ(lastCode(), "ER003");
    ASSERT_NE(movieWindow(), nullptr);
    EXPECT_TRUE(movieWindow()->isEnabled());
    EXPECT_FALSE(form->isEnabled());
}

}  // namespace
}  // namespace velocarta::testing
