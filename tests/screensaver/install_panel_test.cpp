// The screen saver's installation panel on the main window, used with real clicks.
#include <QRadioButton>
#include <fstream>

#include "part_window.h"
#include "screen_saver_fixture.h"

namespace velocarta {
namespace {

namespace fs = std::filesystem;
using testing::Click;
using testing::Find;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Things both windows under test have: the panel and the settings the installation writes.
class Installation : public testing::ScreenSaverTest {
  protected:
    void SetUp() override {
        ScreenSaverTest::SetUp();
        harness.program.writeFile("/Vantrel2000.scr", "the screen saver program");
    }
    QWidget* window() { return form; }
    void openPanel() { testing::ChooseMenuEntry(*form, form->menuEntry("mnuSaver")); }
    template <class T = QWidget>
    T* panelControl(const char* name) {
        return Find<T>(window(), QString::fromUtf8(name));
    }
    QWidget* panel() { return panelControl("pnlSSaver"); }
    QPushButton* install() { return panelControl<QPushButton>("SSCommand4"); }
    QPushButton* help() { return panelControl<QPushButton>("SSCommand5"); }
    QPushButton* close() { return panelControl<QPushButton>("SSCommand6"); }
    QRadioButton* allPhotos() { return panelControl<QRadioButton>("Option1_0"); }
    QRadioButton* selectedPhotos() { return panelControl<QRadioButton>("Option1_1"); }
    std::string delay() { return panelControl<QLabel>("panInterval")->text().toStdString(); }
    void spin(bool up) {
        auto* spinner = panelControl<SpinButton>("SpinInterval");
        Click(up ? spinner->upButton() : spinner->downButton());
    }
    std::string settingsFolder() { return harness.systemFolders.folder; }
    std::string settings() { return ReadFile(settingsFolder() + "/Vantrel2000.ini"); }
    std::string settingsFor(const std::string& folder, const char* interval) {
        return "[Vantrel2000]\nVantrelPath=" + folder + "\nInterval=" + interval + "\n";
    }
    std::string lastCode() { return lastBox().text.substr(14, 5); }
};

TEST_F(Installation, TheMenuOpensThePanelOverThePhoto) {
    program().photoDelay = 30000;
    openPanel();
    ASSERT_TRUE(panel()->isVisible());
    EXPECT_EQ(panel()->y(), form->layout().image4.top + 5);
    EXPECT_EQ(panel()->size(), QSize(417, 345));
    EXPECT_EQ(close()->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(QApplication::focusWidget(), close());
    EXPECT_EQ(delay(), "1 Second");
    EXPECT_EQ(program().photoDelay, 1000);
    EXPECT_TRUE(allPhotos()->isChecked());
    // Nothing selected: the selection cannot be chosen.
    EXPECT_FALSE(selectedPhotos()->isEnabled());
    Click(close());
    EXPECT_FALSE(panel()->isVisible());
    harness.program.writeFile("/ssvantrels/65A.JPG");
    openPanel();
    EXPECT_TRUE(selectedPhotos()->isEnabled());
}

TEST_F(Installation, TheDelayWalksItsRing) {
    openPanel();
    struct Step {
        bool up;
        const char* caption;
        int delay;
    };
    for (const Step& step : std::vector<Step>{{false, "60 Seconds", 60000},
                                              {true, "1 Seconds", 1000},
                                              {true, "2 Seconds", 2000},
                                              {true, "3 Seconds", 3000},
                                              {true, "4 Seconds", 4000},
                                              {true, "5 Seconds", 5000},
                                              {true, "10 Seconds", 10000},
                                              {false, "5 Seconds", 5000}}) {
        spin(step.up);
        EXPECT_EQ(delay(), step.caption);
        EXPECT_EQ(program().photoDelay, step.delay);
    }
}

TEST_F(Installation, SelectedPhotosAreInstalledWithTheirDelay) {
    harness.program.writeFile("/ssvantrels/65A.JPG");
    openPanel();
    Click(selectedPhotos());
    for (int i = 0; i < 6; ++i) {
        spin(true);  // 2, 3, 4, 5, 10, 15 seconds
    }
    Click(install());
    EXPECT_EQ(settings(), settingsFor(store() + "/ssvantrels/", "15"));
    EXPECT_EQ(ReadFile(settingsFolder() + "/Vantrel2000.scr"), "the screen saver program");
    ASSERT_EQ(boxes(), 1u);
    EXPECT_EQ(lastBox().text.substr(0, 54),
              "The Vantrel Velocarta Screen Saver has been installed!");
    EXPECT_EQ(lastBox().buttons, Buttons::Ok);
    EXPECT_EQ(close()->text(), QStringLiteral("Exit"));
    EXPECT_TRUE(panel()->isVisible());
    Click(close());
    EXPECT_FALSE(panel()->isVisible());
    openPanel();
    EXPECT_EQ(close()->text(), QStringLiteral("Cancel"));
}

TEST_F(Installation, AllPhotosFromTheHardDiskOnceCopied) {
    harness.program.writeFile("/vantrels/64A.JPG");
    openPanel();
    Click(install());
    EXPECT_EQ(settings(), settingsFor(store() + "/vantrels/", "1"));
    EXPECT_EQ(boxes(), 1u);  // no copy offer
}

TEST_F(Installation, DecliningTheCopyInstallsOnTheDiscsPhotos) {
    openPanel();
    harness.prompter.answerNext(Answer::No);
    Click(install());
    ASSERT_EQ(boxes(), 2u);
    const Message& offer = harness.prompter.shown()[0];
    EXPECT_EQ(offer.text,
              "To improve performance, the Vantrel photos may be copied from\r\n"
              "the Vantrel Velocarta CDROM to your hard drive before you install\r\n"
              "the Vantrel Velocarta Screen Saver.\r\n\r\nWould you like to copy the photos now?");
    EXPECT_EQ(offer.icon, Icon::Question);
    EXPECT_EQ(settings(), settingsFor(harness.disc.path() + "/vantrels/", "1"));
}

// Yes to the offer brings up the main window's copy panel; the installation follows the copy
// it makes, and a copy cancelled there installs nothing.
TEST_F(Installation, TheAcceptedOfferCopiesThroughTheCopyPanelFirst) {
    harness.disc.writeFile("/vantrels/65A.JPG", std::string(30'000, 'j'));
    harness.diskSpace.geometry = {8, 512, 1024 * 1024, 2048 * 1024, "/"};  // 4 GB free
    openPanel();
    Click(install());
    auto* copyPanel = panelControl("pnlProgress");
    ASSERT_TRUE(copyPanel->isVisible());
    Click(panelControl<QPushButton>("cmdCancel"));
    EXPECT_FALSE(fs::exists(settingsFolder() + "/Vantrel2000.ini"));
    ASSERT_TRUE(install()->isEnabled());

    Click(install());
    ASSERT_TRUE(copyPanel->isVisible());
    Click(panelControl<QPushButton>("cmdCopy"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return copyPanel->isHidden(); }, 60'000));
    EXPECT_TRUE(fs::exists(store() + "/vantrels/65A.JPG"));
    EXPECT_EQ(settings(), settingsFor(store() + "/vantrels/", "1"));
}

TEST_F(Installation, ReinstallingReplacesTheValuesAndKeepsTheRestOfTheFile) {
    fs::create_directories(settingsFolder());
    {
        std::ofstream(settingsFolder() + "/Vantrel2000.ini")
            << "; mine\n[Desktop]\nTheme=dark\n[VANTREL2000]\nInterval=40\nVantrelPath=/old/";
    }
    std::ofstream(settingsFolder() + "/Vantrel2000.scr") << "an older screen saver";
    harness.program.writeFile("/vantrels/64A.JPG");
    openPanel();
    spin(true);
    Click(install());
    EXPECT_EQ(settings(), "; mine\n[Desktop]\nTheme=dark\n[VANTREL2000]\nInterval=2\nVantrelPath=" +
                              store() + "/vantrels/");
    EXPECT_EQ(ReadFile(settingsFolder() + "/Vantrel2000.scr"), "the screen saver program");
}

TEST_F(Installation, AMissingScreenSaverIsNotReportedAsInstalled) {
    fs::remove(harness.program.path() + "/Vantrel2000.scr");
    harness.program.writeFile("/vantrels/64A.JPG");
    openPanel();
    Click(install());
    ASSERT_EQ(boxes(), 1u);
    EXPECT_EQ(lastCode(), "ER049");
    EXPECT_NE(lastBox().text.find(" Unable to find Screen Saver."), std::string::npos);
    EXPECT_EQ(close()->text(), QStringLiteral("Cancel"));
}

TEST_F(Installation, ASettingsFileThatCannotBeWrittenIsNotReportedAsInstalled) {
    // Something that is not a file has the settings file's name.
    fs::create_directories(settingsFolder() + "/Vantrel2000.ini");
    harness.program.writeFile("/vantrels/64A.JPG");
    openPanel();
    Click(install());
    ASSERT_EQ(boxes(), 1u);
    EXPECT_EQ(lastCode(), "ER049");
    EXPECT_FALSE(fs::exists(settingsFolder() + "/Vantrel2000.scr"));
    EXPECT_EQ(close()->text(), QStringLiteral("Cancel"));

    harness.systemFolders.failToMake = true;
    Click(install());
    EXPECT_EQ(lastCode(), "ER049");
    EXPECT_EQ(boxes(), 2u);
}

TEST_F(Installation, HelpOpensItsDocumentOrSaysItIsMissing) {
    openPanel();
    Click(help());
    ASSERT_EQ(boxes(), 1u);
    EXPECT_EQ(lastCode(), "ER052");
    EXPECT_NE(lastBox().text.find(" Unable to load 'Install Screen Saver Help' text file."),
              std::string::npos);

    testing::WriteRtf(harness.disc, "/RichText/SSHELP.RTF", "How to install the screen saver");
    Click(help());
    QWidget* viewer = testing::ShownWindow(QStringLiteral("txtForm"));
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->windowTitle(),
              QStringLiteral("The Vantrel Velocarta       Install Screen Saver Help"));
    EXPECT_EQ(boxes(), 1u);
}

// The copy offer, played by the test: the part on a window of its own.
class CopyOffer : public testing::ScreenSaverTest {
  protected:
    void SetUp() override {
        ScreenSaverTest::SetUp();
        harness.program.writeFile("/Vantrel2000.scr", "the screen saver program");
        window = std::make_unique<testing::PartWindow>(program(),
                                                       [this](std::function<void(bool)> done) {
                                                           ++offers;
                                                           pending = std::move(done);
                                                       });
        QApplication::setActiveWindow(window.get());
        testing::ChooseMenuEntry(*window, window->menuEntry("mnuSaver"));
    }
    void TearDown() override { window.reset(); }
    QPushButton* install() { return Find<QPushButton>(window.get(), QStringLiteral("SSCommand4")); }
    std::string settingsFile() { return harness.systemFolders.folder + "/Vantrel2000.ini"; }

    std::unique_ptr<testing::PartWindow> window;
    std::function<void(bool)> pending;
    int offers = 0;
};

TEST_F(CopyOffer, AcceptedTheInstallationWaitsForTheCopy) {
    Click(install());  // Yes to the offer
    ASSERT_EQ(offers, 1);
    EXPECT_FALSE(install()->isEnabled());
    EXPECT_FALSE(fs::exists(settingsFile()));
    // The program goes on meanwhile: the panel can be put away.
    Click(Find<QPushButton>(window.get(), QStringLiteral("SSCommand6")));
    harness.program.writeFile("/vantrels/64A.JPG");
    pending(true);
    EXPECT_EQ(ReadFile(settingsFile()),
              "[Vantrel2000]\nVantrelPath=" + store() + "/vantrels/\nInterval=1\n");
    EXPECT_EQ(boxes(), 2u);
    EXPECT_TRUE(install()->isEnabled());
    pending(true);  // a second answer changes nothing
    EXPECT_EQ(boxes(), 2u);
}

TEST_F(CopyOffer, ACancelledOrRefusedCopyInstallsNothing) {
    Click(install());
    pending(false);
    EXPECT_FALSE(fs::exists(settingsFile()));
    EXPECT_EQ(boxes(), 1u);  // the offer only
    EXPECT_TRUE(install()->isEnabled());
    // An answer that comes when the window has gone is dropped.
    Click(install());
    window.reset();
    pending(true);
    EXPECT_FALSE(fs::exists(settingsFile()));
}

}  // namespace
}  // namespace velocarta
