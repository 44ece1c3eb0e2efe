#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "shell/form1.h"
#include "support/shell_harness.h"
#include "support/ui_driver.h"

namespace velocarta::testing {
namespace {

constexpr const char* kUnavailable = "System Information Is Unavailable At This Time";

// The main window on service doubles, with its menus chosen by real clicks.
struct MenusScene {
    Form1& start() {
        form = &harness.startToMainWindow();
        QApplication::setActiveWindow(form);
        return *form;
    }
    void choose(const char* menu) { ChooseMenuEntry(*form, form->menuEntry(menu)); }
    std::size_t boxes() const { return harness.prompter.shown().size(); }
    void givePath(const std::string& path) {
        harness.registry.load("[HKLM\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\n\"PATH\"=\"" +
                              path + "\"\n");
    }
    void giveFolder(const std::string& folder) {
        harness.registry.load("[HKLM\\SOFTWARE\\Microsoft\\Shared Tools Location]\n\"MSINFO\"=\"" +
                              folder + "\"\n");
    }

    ShellHarness harness;
    Form1* form = nullptr;
};

class UtilityMenusTest : public ::testing::Test, public MenusScene {};

TEST_F(UtilityMenusTest, CheckScreenResolutionComparesWith800By600) {
    struct Case {
        int width, height, twipsPerPixel;
        const char* start;
        Icon icon;
    };
    const Case cases[] = {
        {800, 600, 15, "Your current screen resolution is set at 800x600.\r\n\r\nThis is the",
         Icon::None},
        {1024, 768, 15,
         "Your current screen resolution is set at  1024 by 768 pixles.\r\n\r\nThe optimum",
         Icon::Exclamation},
        {800, 600, 12,
         "Your current screen resolution is set at  640 by 480 pixles.\r\n\r\nThe optimum",
         Icon::Exclamation},
    };
    start();
    for (const Case& c : cases) {
        harness.screen.resize(c.width, c.height);
        harness.screen.setTwipsPerPixel(c.twipsPerPixel);
        const std::size_t before = boxes();
        choose("mnuCheckResolution");
        ASSERT_EQ(boxes(), before + 1) << c.width;
        const Message& message = harness.prompter.last();
        EXPECT_EQ(message.text.rfind(c.start, 0), 0u) << message.text;
        EXPECT_EQ(message.icon, c.icon);
        EXPECT_EQ(message.buttons, Buttons::Ok);
        EXPECT_EQ(message.title, "The Vantrel Velocarta");
    }
}

TEST_F(UtilityMenusTest, SystemInfoStartsTheProgramTheFirstPlaceNamesWithoutWaiting) {
    givePath("/usr/bin/hardinfo");
    start();
    EXPECT_TRUE(form->menuEntry("mnuSysInfo")->isVisible());
    choose("mnuSysInfo");
    ASSERT_EQ(harness.processes.calls.size(), 1u);
    EXPECT_EQ(harness.processes.calls[0].program, "/usr/bin/hardinfo");
    EXPECT_TRUE(harness.processes.calls[0].args.empty());
    EXPECT_FALSE(harness.processes.calls[0].waited);
    EXPECT_EQ(boxes(), 0u);
}

TEST_F(UtilityMenusTest, SystemInfoTakesTheProgramFileInTheSecondPlacesFolder) {
    const std::string program = harness.program.writeFile("/msinfo/MSINFO32.EXE");
    giveFolder(harness.program.path() + "/msinfo");
    start();
    choose("mnuSysInfo");
    ASSERT_EQ(harness.processes.calls.size(), 1u);
    EXPECT_EQ(harness.processes.calls[0].program, program);
    EXPECT_EQ(boxes(), 0u);
}

TEST(UtilityMenus, SystemInfoUnavailableWhenNothingIsFoundOrTheStartFails) {
    const std::function<void(MenusScene&)> setups[] = {
        [](MenusScene&) {},  // an empty store
        [](MenusScene& test) { test.harness.registry.unreadable = true; },
        // Only the folder, and no program file in it.
        [](MenusScene& test) { test.giveFolder(test.harness.program.path()); },
        [](MenusScene& test) {
            test.givePath("/nowhere/sysinfo");
            test.harness.processes.failToStart = true;
        },
    };
    for (const auto& setup : setups) {
        MenusScene test;
        setup(test);
        test.start();
        test.choose("mnuSysInfo");
        EXPECT_TRUE(test.harness.processes.calls.empty());
        ASSERT_EQ(test.boxes(), 1u);
        const Message& message = test.harness.prompter.last();
        EXPECT_EQ(message.text, kUnavailable);
        EXPECT_EQ(message.title, "The Vantrel Velocarta");
        EXPECT_EQ(message.buttons, Buttons::Ok);
        EXPECT_EQ(message.icon, Icon::None);
    }
}

TEST_F(UtilityMenusTest, ContentsOpensTheHelpFileOfTheProgramFolder) {
    // Copies of the program folder come in any case.
    const std::string help = harness.program.writeFile("/VANTREL2000.hlp", "<h1>Help</h1>");
    start();
    choose("mnuContents");
    EXPECT_EQ(harness.help.file, help);
    EXPECT_EQ(harness.help.contentsShown, 1);
    EXPECT_EQ(boxes(), 0u);
    choose("mnuContents");
    EXPECT_EQ(harness.help.contentsShown, 2);
}

TEST_F(UtilityMenusTest, AMissingHelpFileIsReported) {
    start();
    choose("mnuContents");
    EXPECT_EQ(harness.help.contentsShown, 0);
    ASSERT_EQ(boxes(), 1u);
    const Message& message = harness.prompter.last();
    EXPECT_EQ(message.text.rfind("The help file " + harness.program.path() +
                                     "/vantrel2000.HLP is missing or cannot be read.",
                                 0),
              0u)
        << message.text;
    EXPECT_EQ(message.icon, Icon::Exclamation);
    EXPECT_EQ(message.title, "The Vantrel Velocarta");
    // Once it is there again, it opens.
    harness.program.writeFile("/vantrel2000.HLP", "<h1>Help</h1>");
    choose("mnuContents");
    EXPECT_EQ(harness.help.contentsShown, 1);
}

TEST_F(UtilityMenusTest, QuittingTheProgramClosesTheHelp) {
    harness.program.writeFile("/vantrel2000.HLP", "<h1>Help</h1>");
    start();
    choose("mnuContents");
    harness.prompter.answerNext(Answer::Cancel);
    form->close();
    EXPECT_EQ(harness.help.quits, 0);  // the program stays, and so does its help
    harness.prompter.answerNext(Answer::Ok);
    choose("mnuExit");
    EXPECT_EQ(harness.help.quits, 1);
    EXPECT_TRUE(harness.state->ended());
}

TEST_F(UtilityMenusTest, AnEndAfterAFailureClosesTheHelpToo) {
    start();
    harness.prompter.answerNext(Answer::Cancel);
    harness.state->ShowError("ER037", ErrorSource::Trap);
    form->close();  // what the end of the program does to its windows
    EXPECT_EQ(harness.help.quits, 1);
}

TEST_F(UtilityMenusTest, AboutShowsTheBoxModallyCentredOnTheMainWindow) {
    harness.screen.resize(1024, 768);
    start();
    choose("mnuAbout");
    QWidget* about = ShownWindow(QStringLiteral("frmAbout"));
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), about);
    EXPECT_EQ(about->size(), QSize(641, 481));  // 9615 by 7215 twips
    EXPECT_LE((about->frameGeometry().center() - form->frameGeometry().center()).manhattanLength(),
              1);
    const auto text = [about](const char* name) {
        return Find<QLabel>(about, QString::fromLatin1(name))->text().toStdString();
    };
    EXPECT_EQ(text("SSPanel5"), "The");
    EXPECT_EQ(text("SSPanel1"), "Vantrel Velocarta");
    EXPECT_EQ(text("SSPanel4"), "2000");
    EXPECT_EQ(text("SSPanel2"), "\u00A9 2000 Tallwood Interactive, Inc.");
    EXPECT_EQ(text("panKestrix"),
              "Tallwood Interactive, Inc.\n418 Huron Street, Suite 5\n"
              "Marrowfield, Michigan 48133\n\nwww.tallwood.example");
    // The designed places, in twips at 15 a pixel.
    const auto place = [about](const char* name) {
        return Find(about, QString::fromLatin1(name))->geometry();
    };
    EXPECT_EQ(place("SSPanel3"), QRect(0, 0, 641, 329));
    EXPECT_EQ(place("panAbout"), QRect(0, 328, 641, 153));
    EXPECT_EQ(place("SSPanel1"), QRect(32, 32, 193, 24));
    EXPECT_EQ(place("panKestrix"), QRect(432, 24, 177, 73));
    EXPECT_EQ(place("SSCommand1"), QRect(16, 104, 608, 33));
    EXPECT_FALSE(Find<QLabel>(about, QStringLiteral("Picture2"))->pixmap().isNull());
    // Every field shows its text whole.
    for (QLabel* field : about->findChildren<QLabel*>()) {
        const QRect needed = field->fontMetrics().boundingRect(
            field->contentsRect(), static_cast<int>(field->alignment()), field->text());
        EXPECT_TRUE(field->contentsRect().contains(needed)) << field->objectName().toStdString();
    }

    Click(Find<QPushButton>(about, QStringLiteral("SSCommand1")));
    EXPECT_EQ(ShownWindow(QStringLiteral("frmAbout")), nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    QTest::qWait(0);  // the unloaded box goes
    EXPECT_EQ(form->findChild<QWidget*>(QStringLiteral("frmAbout")), nullptr);

    // Opened again, it comes back whole; Escape closes it as OK does.
    choose("mnuAbout");
    about = ShownWindow(QStringLiteral("frmAbout"));
    ASSERT_NE(about, nullptr);
    QTest::keyClick(about, Qt::Key_Escape);
    EXPECT_EQ(ShownWindow(QStringLiteral("frmAbout")), nullptr);
}

TEST_F(UtilityMenusTest, TheAboutBoxIsReadable) {
    start();
    choose("mnuAbout");
    QWidget* about = ShownWindow(QStringLiteral("frmAbout"));
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(Find(about, QStringLiteral("Picture2"))->accessibleName(),
              QStringLiteral("Picture of the Kestrix"));
    for (QLabel* field : about->findChildren<QLabel*>()) {
        if (!field->text().isEmpty()) {
            EXPECT_TRUE(field->accessibleName().isEmpty()) << field->objectName().toStdString();
            EXPECT_FALSE(field->accessibleDescription().isEmpty())
                << field->objectName().toStdString();
        }
    }
    EXPECT_EQ(about->focusWidget(), Find(about, QStringLiteral("SSCommand1")));
    QTest::keyClick(about->focusWidget(), Qt::Key_Return);
    EXPECT_EQ(ShownWindow(QStringLiteral("frmAbout")), nullptr);
}

}  // namespace
}  // namespace velocarta::testing
