// The movie window on the device double: what it is told at each click.
#include <QAccessible>

#include "media_fixture.h"

namespace velocarta::testing {
namespace {

using Ops = std::vector<std::string>;

class MovieWindowTest : public MediaWindowTest {
  protected:
    Ops opened(const std::string& path) {
        return {"close", "type AVIVideo", "file " + path, "open"};
    }
    QPushButton* transport(const char* name) { return movieControl<QPushButton>(name); }
    // Which of Play, Pause and Stop can be pressed: "PPS" for all, "P--" for Play alone.
    std::string pressable() {
        std::string keys;
        for (const char* name : {"Play", "Pause", "Stop"}) {
            keys += transport(name)->isEnabled() ? name[0] : '-';
        }
        return keys;
    }
    FakeMediaDevice& device() { return harness.movieDevice; }
};

TEST_F(MovieWindowTest, OpensModallyWithTheFirstMovieReadyButNotPlaying) {
    QWidget* window = openMovieWindow();
    EXPECT_TRUE(window->isModal());
    EXPECT_FALSE(form->isEnabled());
    EXPECT_EQ(window->size(), QSize(337, 391));
    EXPECT_EQ(window->pos(), QPoint((800 - 337) / 2, (600 - 391) / 2));
    EXPECT_EQ(movieCaption(), "Vantrel Movies - Coming, April 17, 1964");
    // A reader announces it as a dialog under that title.
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(window);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Dialog);
    EXPECT_EQ(accessible->text(QAccessible::Name).toStdString(), movieCaption());

    Ops expected = opened(discFile("/movies/ComingApril17.avi"));
    expected.push_back("display");
    EXPECT_EQ(device().operations, expected);
    EXPECT_EQ(device().display, movieControl("PicMovie"));
    EXPECT_EQ(device().mode(), DeviceMode::Stopped);
    EXPECT_TRUE(movieControl<QRadioButton>("optMovie_0")->isChecked());
    EXPECT_TRUE(movieControl("MMControl1")->isVisible());
    EXPECT_EQ(movieControl("MMControl1")->geometry(), QRect(54, 240, 228, 33));
    EXPECT_EQ(pressable(), "P--");
}

TEST_F(MovieWindowTest, OffersSixMoviesAtTheirPlaces) {
    openMovieWindow();
    const struct {
        int index;
        const char* caption;
        QRect place;  // pixels; the design's twips / 15
    } offered[] = {
        {0, "Coming April 17, 1964", {24, 280, 153, 17}},
        {1, "The Unexpected", {24, 304, 153, 18}},
        {2, "1965 2+2 Fastback", {24, 328, 137, 17}},
        {3, "1966 Commercial", {192, 280, 121, 18}},
        {4, "1967 Commercial", {192, 304, 137, 17}},
        {7, "Kite I", {192, 328, 137, 18}},
    };
    for (const auto& option : offered) {
        auto* button = movieControl<QRadioButton>(optionName(option.index).c_str());
        EXPECT_TRUE(button->isVisible()) << option.index;
        EXPECT_EQ(button->text().toStdString(), option.caption);
        EXPECT_EQ(button->geometry(), option.place) << option.index;
        // The whole caption shows.
        EXPECT_LE(button->sizeHint().width(), button->width()) << option.index;
    }
    for (int hidden : {5, 6}) {
        EXPECT_FALSE(movieControl(optionName(hidden).c_str())->isVisible()) << hidden;
    }
    EXPECT_EQ(movieControl<QPushButton>("SSCommand2")->text(), QStringLiteral("Help"));
    EXPECT_EQ(movieControl<QPushButton>("SSCommand1")->text(), QStringLiteral("Exit"));
    EXPECT_EQ(movieControl("PicMovie")->geometry(), QRect(8, 8, 321, 217));
}

TEST_F(MovieWindowTest, EveryControlSaysWhatItIs) {
    openMovieWindow();
    EXPECT_EQ(movieControl("PicMovie")->accessibleName(), QStringLiteral("Movie"));
    for (QWidget* control : movieWindow()->findChildren<QWidget*>()) {
        if (control->focusPolicy() == Qt::NoFocus) {
            continue;
        }
        const auto* button = qobject_cast<QAbstractButton*>(control);
        EXPECT_TRUE(button != nullptr ? !button->text().isEmpty()
                                      : !control->accessibleName().isEmpty())
            << control->objectName().toStdString();
    }
}

TEST_F(MovieWindowTest, AnOptionClosesWhatIsOpenAndOpensItsMovie) {
    openMovieWindow();
    device().operations.clear();
    chooseMovie(3);
    EXPECT_EQ(device().operations, opened(discFile("/movies/1966.avi")));
    EXPECT_EQ(movieCaption(), "Vantrel Movies - 1966 Commercial");

    // The arrow keys walk the options as clicks do.
    device().operations.clear();
    QTest::keyClick(movieControl("optMovie_3"), Qt::Key_Down);
    EXPECT_TRUE(movieControl<QRadioButton>("optMovie_4")->isChecked());
    EXPECT_EQ(device().operations, opened(discFile("/movies/1967.avi")));
    EXPECT_EQ(movieCaption(), "Vantrel Movies - 1967 Commercial");
    EXPECT_EQ(boxes(), 0u);
}

TEST_F(MovieWindowTest, PlayPauseAndStopSendTheirCommands) {
    openMovieWindow();
    device().operations.clear();
    Click(transport("Play"));
    EXPECT_EQ(device().operations, Ops{"play"});
    EXPECT_EQ(pressable(), "-PS");
    Click(transport("Pause"));
    EXPECT_EQ(pressable(), "P-S");
    Click(transport("Play"));
    // Stop rewinds, so that the next Play starts at the first frame.
    Click(transport("Stop"));
    EXPECT_EQ(pressable(), "P--");
    Click(transport("Play"));
    EXPECT_EQ(device().operations, (Ops{"play", "pause", "play", "stop", "prev", "play"}));
    EXPECT_EQ(boxes(), 0u);

    // The movie plays to its end: Play is offered again.
    device().finishPlaying();
    EXPECT_EQ(pressable(), "P--");
    EXPECT_EQ(boxes(), 0u);
}

TEST_F(MovieWindowTest, AMovieThatBreaksOffIsReportedAndAnotherCanBeChosen) {
    openMovieWindow();
    Click(transport("Play"));
    device().finishPlaying("The movie \"x.avi\" cannot be played: internal data stream error.");
    ASSERT_EQ(boxes(), 1u);
    EXPECT_EQ(lastText(),
              "Error number: ER045\r\n\r\n Unable to load Vantrel Movie.\r\n\r\n"
              "The movie \"x.avi\" cannot be played: internal data stream error.\r\n\r\n"
              "Make sure that the Vantrel Velocarta is in the CDROM drive.");
    EXPECT_EQ(pressable(), "P--");
    // The message does not free the main window behind the movie window.
    EXPECT_FALSE(form->isEnabled());
    chooseMovie(7);
    EXPECT_EQ(device().fileName, discFile("/movies/Kite1.avi"));
}

TEST_F(MovieWindowTest, AMissingMovieIsReportedAndNothingStaysOpenUnderItsCaption) {
    std::filesystem::remove(discFile("/movies/1966.avi"));
    openMovieWindow();
    device().operations.clear();
    chooseMovie(3);
    ASSERT_EQ(boxes(), 1u);
    EXPECT_EQ(lastCode(), "ER045");
    EXPECT_NE(lastText().find("\"" + discFile("/movies/1966.avi") +
                              "\" cannot be played: the file cannot be found."),
              std::string::npos)
        << lastText();
    EXPECT_EQ(harness.prompter.last().icon, Icon::Critical);
    EXPECT_EQ(movieCaption(), "Vantrel Movies - 1966 Commercial");
    EXPECT_EQ(device().operations, Ops{"close"});
    EXPECT_FALSE(movieControl("MMControl1")->isVisible());
    EXPECT_FALSE(form->isEnabled());
    ASSERT_NE(movieWindow(), nullptr);

    chooseMovie(1);
    EXPECT_EQ(device().fileName, discFile("/movies/TheUnexpected.avi"));
    EXPECT_TRUE(movieControl("MMControl1")->isVisible());
}

TEST_F(MovieWindowTest, AMovieTheDeviceRefusesIsReportedWithItsReason) {
    openMovieWindow();
    device().failOn.insert("open");
    chooseMovie(2);
    ASSERT_EQ(boxes(), 1u);
    EXPECT_EQ(lastCode(), "ER045");
    EXPECT_NE(lastText().find("\r\n\r\nscripted failure of open\r\n\r\n"), std::string::npos);
    EXPECT_EQ(device().mode(), DeviceMode::NotOpen);
    EXPECT_FALSE(movieControl("MMControl1")->isVisible());

    device().failOn.clear();
    chooseMovie(4);
    EXPECT_EQ(device().mode(), DeviceMode::Stopped);
    EXPECT_TRUE(movieControl("MMControl1")->isVisible());
}

TEST_F(MovieWindowTest, TheHardDiskCopyIsPreferredFromTheNextOpeningOn) {
    openMovieWindow();
    Click(movieControl<QPushButton>("SSCommand1"));
    // Only one movie was copied: the others are looked for on the hard disk all the same.
    const std::string store = harness.state->storeFolder();
    std::filesystem::create_directories(store + "/movies");
    std::ofstream(store + "/movies/KITE1.AVI") << "AVI";
    openMovieWindow();
    EXPECT_EQ(boxes(), 1u);
    EXPECT_EQ(lastCode(), "ER045");
    EXPECT_NE(lastText().find(store + "/movies/ComingApril17.avi"), std::string::npos);
    chooseMovie(7);
    EXPECT_EQ(device().fileName, store + "/movies/KITE1.AVI");

    // Anything but a movie in the folder leaves the disc in use.
    Click(movieControl<QPushButton>("SSCommand1"));
    std::filesystem::rename(store + "/movies/KITE1.AVI", store + "/movies/KITE1.TXT");
    openMovieWindow();
    EXPECT_EQ(device().fileName, discFile("/movies/ComingApril17.avi"));
    EXPECT_EQ(boxes(), 1u);
}

TEST_F(MovieWindowTest, ExitClosesTheDeviceAndGivesTheFocusToTheNextYear) {
    Click(YearButton(*form, 2));  // 1965
    openMovieWindow();
    Click(transport("Play"));
    device().operations.clear();
    Click(movieControl<QPushButton>("SSCommand1"));
    EXPECT_EQ(movieWindow(), nullptr);
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(device().operations, (Ops{"close", "display none"}));
    EXPECT_EQ(device().mode(), DeviceMode::NotOpen);
    EXPECT_EQ(form->focusWidget(), YearButton(*form, 3));

    // Escape is Exit too; closing the window by its frame frees the device as well.
    openMovieWindow();
    QTest::keyClick(movieWindow(), Qt::Key_Escape);
    EXPECT_EQ(movieWindow(), nullptr);
    openMovieWindow();
    device().operations.clear();
    movieWindow()->close();
    EXPECT_EQ(movieWindow(), nullptr);
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(device().operations, (Ops{"close", "display none"}));
}

TEST_F(MovieWindowTest, HelpOffersTheCodecInstallerAndWaitsForIt) {
    openMovieWindow();
    harness.prompter.answerNext(Answer::No);
    Click(movieControl<QPushButton>("SSCommand2"));
    ASSERT_EQ(boxes(), 1u);
    const Message& offer = harness.prompter.last();
    EXPECT_EQ(offer.text,
              "If you are experiencing difficulties running the Vantrel movies,\r\n"
              "you may need to install the Intel Indeo Video Software.\r\n\r\n"
              "Would you like to install this software now?");
    EXPECT_EQ(offer.title, "The Vantrel Velocarta");
    EXPECT_EQ(offer.buttons, Buttons::YesNo);
    EXPECT_EQ(offer.icon, Icon::Question);
    EXPECT_TRUE(harness.processes.calls.empty());

    // While the installer runs, neither window takes input and the movie window stays.
    harness.processes.whileWaiting = [this](const ProcessCall&) {
        EXPECT_FALSE(form->isEnabled());
        EXPECT_FALSE(movieWindow()->isEnabled());
        movieWindow()->close();
        EXPECT_NE(movieWindow(), nullptr);
    };
    Click(movieControl<QPushButton>("SSCommand2"));
    ASSERT_EQ(harness.processes.calls.size(), 1u);
    EXPECT_EQ(harness.processes.calls[0].program, installer);
    EXPECT_TRUE(harness.processes.calls[0].args.empty());
    EXPECT_TRUE(harness.processes.calls[0].waited);
    EXPECT_EQ(boxes(), 2u);
    ASSERT_NE(movieWindow(), nullptr);
    EXPECT_TRUE(movieWindow()->isEnabled());
    EXPECT_FALSE(form->isEnabled());
}

}  // namespace
}  // namespace velocarta::testing
