// The sound panel on the device double: where its controls are and what a press does.
#include "media_fixture.h"

namespace velocarta::testing {
namespace {

using Ops = std::vector<std::string>;

class SoundPanelTest : public MediaWindowTest {
  protected:
    void SetUp() override {
        MediaWindowTest::SetUp();
        choose("mnuSound");
    }
    Ops played(const std::string& path) {
        return {"close", "type WaveAudio", "file " + path, "open", "play"};
    }
    FakeMediaDevice& device() { return harness.mainDevice; }
};

TEST_F(SoundPanelTest, OpensOverThePhotoWithTheFocusOnClose) {
    QWidget* panel = soundPanel();
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->size(), QSize(529, 393));
    EXPECT_EQ(panel->y(), Find(form, QStringLiteral("Image4"))->y());
    // In front of the window's other controls.
    EXPECT_EQ(panel->parentWidget()->children().last(), panel);
    EXPECT_EQ(QApplication::focusWidget(), soundControl("SSCommand1"));
    EXPECT_TRUE(device().operations.empty());
}

TEST_F(SoundPanelTest, ControlsLieAtTheirDesignedPlaces) {
    // Pixels inside the panel: the design's twips / 15.
    const struct {
        int index;
        const char* label;
        QRect button;
        QPoint labelAt;
    } rows[] = {
        {0, "Backfiring", {24, 40, 17, 17}, {48, 40}},
        {8, "Race Car Takeoff", {24, 232, 18, 17}, {48, 232}},  // the wider button
        {12, "Race Car 2", {24, 328, 17, 17}, {48, 328}},
        {13, "Motorcycle", {216, 40, 17, 18}, {240, 40}},  // taller from here on
        {19, "Torvale C5", {216, 184, 17, 18}, {240, 184}},
        {20, "ZR-1 Starting", {368, 40, 17, 18}, {392, 40}},
        {26, "Stuck on Ice", {368, 184, 17, 18}, {392, 184}},
    };
    for (const auto& row : rows) {
        const std::string index = std::to_string(row.index);
        auto* button = soundControl<QPushButton>("SSCommand2_" + index);
        EXPECT_EQ(button->geometry(), row.button) << row.index;
        EXPECT_EQ(button->accessibleName().toStdString(), std::string("Play ") + row.label);
        auto* label = soundControl<QLabel>("lblSound_" + index);
        EXPECT_EQ(label->text().toStdString(), row.label);
        EXPECT_EQ(label->geometry().topLeft(), row.labelAt) << row.index;
        EXPECT_EQ(label->buddy(), button);
        EXPECT_LE(label->sizeHint().width(), label->width()) << row.label;
    }
    EXPECT_EQ(soundPanel()->findChildren<QPushButton*>().size(), 27u + 2u);
    EXPECT_EQ(soundControl<QLabel>("Label10")->text(), QStringLiteral("Automobile Sound Effects"));
    EXPECT_EQ(soundControl("Label10")->geometry(), QRect(152, 8, 233, 25));
    EXPECT_EQ(soundControl<QPushButton>("SSCommand3")->text(), QStringLiteral("Stop"));
    EXPECT_EQ(soundControl("SSCommand3")->geometry(), QRect(24, 352, 241, 25));
    EXPECT_EQ(soundControl<QPushButton>("SSCommand1")->text(), QStringLiteral("Close"));
    EXPECT_EQ(soundControl("SSCommand1")->geometry(), QRect(264, 352, 241, 25));
}

TEST_F(SoundPanelTest, APressPlaysItsSoundAfterClosingTheOneBefore) {
    pressSound(0);
    EXPECT_EQ(device().operations, played(discFile("/WAV/backfrng.wav")));
    EXPECT_TRUE(device().isPlaying());

    device().operations.clear();
    pressSound(26);
    EXPECT_EQ(device().operations, played(discFile("/WAV/stuck.wav")));
    EXPECT_EQ(boxes(), 0u);
    // The panel stays usable.
    EXPECT_TRUE(soundPanel()->isVisible());
}

TEST_F(SoundPanelTest, StopClosesTheDevice) {
    pressSound(4);
    device().operations.clear();
    Click(soundControl("SSCommand3"));
    EXPECT_EQ(device().operations, Ops{"close"});
    EXPECT_FALSE(device().isPlaying());
    // Again, with nothing playing: nothing to see.
    Click(soundControl("SSCommand3"));
    EXPECT_EQ(boxes(), 0u);
    EXPECT_TRUE(soundPanel()->isVisible());
}

TEST_F(SoundPanelTest, CloseHidesThePanelAndTheSoundPlaysOn) {
    pressSound(18);
    device().operations.clear();
    Click(soundControl("SSCommand1"));
    EXPECT_FALSE(soundPanel()->isVisible());
    EXPECT_TRUE(device().operations.empty());
    EXPECT_TRUE(device().isPlaying());
    EXPECT_TRUE(form->isEnabled());

    // The menu entry shows it again.
    choose("mnuSound");
    EXPECT_TRUE(soundPanel()->isVisible());
}

TEST_F(SoundPanelTest, AMissingSoundIsReportedAndTheFocusGoesToTheNextYear) {
    Click(YearButton(*form, 2));  // 1965
    choose("mnuSound");
    std::filesystem::remove(discFile("/WAV/taxi.wav"));
    pressSound(5);
    ASSERT_EQ(boxes(), 1u);
    EXPECT_EQ(lastText(),
              "Error number: ER038\r\n\r\n Unable to load the 'Sound Effects' file.\r\n\r\n"
              "The sound \"" +
                  discFile("/wav/taxi.wav") +
                  "\" cannot be played: the file cannot be found.\r\n\r\n"
                  "Make sure that the Vantrel Velocarta is in the CDROM drive.");
    EXPECT_TRUE(device().operations.empty());
    EXPECT_TRUE(soundPanel()->isVisible());
    EXPECT_EQ(form->focusWidget(), YearButton(*form, 3));
}

TEST_F(SoundPanelTest, ASoundTheDeviceRefusesIsReportedWithItsReason) {
    device().failOn.insert("open");
    pressSound(9);
    ASSERT_EQ(boxes(), 1u);
    EXPECT_EQ(lastCode(), "ER038");
    EXPECT_NE(lastText().find("\r\n\r\nscripted failure of open\r\n\r\n"), std::string::npos);
    EXPECT_EQ(harness.prompter.last().icon, Icon::Critical);
    EXPECT_TRUE(soundPanel()->isVisible());
    EXPECT_TRUE(form->isEnabled());

    device().failOn.clear();
    pressSound(10);
    EXPECT_TRUE(device().isPlaying());
}

TEST_F(SoundPanelTest, FollowsThePhotoWhenTheWindowIsLaidOutForAnotherScreen) {
    Click(soundControl("SSCommand1"));
    form->RelayoutForOtherScreen();
    choose("mnuSound");
    const QWidget* photo = Find(form, QStringLiteral("Image4"));
    EXPECT_EQ(soundPanel()->y(), photo->y());
    EXPECT_EQ(soundPanel()->x(), photo->x() + (photo->width() - soundPanel()->width()) / 2);
}

}  // namespace
}  // namespace velocarta::testing
