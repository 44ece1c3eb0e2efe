#include "shell/form1.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "program/photo_view.h"
#include "shell/form2.h"
#include "support/shell_harness.h"
#include "support/ui_driver.h"

namespace velocarta {
namespace {

using testing::Find;
using testing::ShellHarness;
using testing::YearButton;

TEST(Form1Load, FullScreenMainWindowAfterTheTick) {
    ShellHarness harness;
    Form1& form = harness.startToMainWindow();
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(harness.windows->form2().isVisible());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("The Vantrel Velocarta    2000"));
    EXPECT_EQ(form.frameGeometry(), QRect(0, 0, 800, 600));
    EXPECT_EQ(harness.screen.pointer(), Pointer::Default);
    EXPECT_FALSE(Find(&form, "Command1")->isVisible());
    EXPECT_EQ(harness.state->onShow.caption(), "panYear");
    EXPECT_FALSE(Find(&form, "panYear")->isVisible());  // nothing is on show yet
}

TEST(Form1Load, HwiShowsLoadArray) {
    ShellHarness harness;
    harness.program.writeFile("/vantrels/64A.JPG");
    EXPECT_TRUE(Find(&harness.startToMainWindow("HWI"), "Command1")->isVisible());
}

TEST(Form1Load, YearListsHold1964To2000) {
    ShellHarness harness;
    Form1& form = harness.startToMainWindow();
    for (const char* name : {"List1_0", "List1_1"}) {
        const auto* list = Find<QListWidget>(&form, name);
        ASSERT_EQ(list->count(), 37);
        EXPECT_EQ(list->item(0)->text(), QStringLiteral("1964"));
        EXPECT_EQ(list->item(1)->text(), QStringLiteral("1965"));
        EXPECT_EQ(list->item(35)->text(), QStringLiteral("1999"));
        EXPECT_EQ(list->item(36)->text(), QStringLiteral("2000"));
    }
}

TEST(Form1Layout, DesignedLayoutOnAn800By600Screen) {
    ShellHarness harness;
    Form1& form = harness.startToMainWindow();
    EXPECT_EQ(form.layout().image4, DesignLayout().image4);
    EXPECT_EQ(Find(&form, "Image4")->size(), QSize(784, 412));
    EXPECT_EQ(YearButton(form, 1)->geometry(), QRect(8, 0, 57, 25));      // 120, 0, 855 twips
    EXPECT_EQ(YearButton(form, 37)->geometry(), QRect(704, 24, 41, 25));  // 10560, 360, 615
    EXPECT_EQ(YearButton(form, 1)->text(), QStringLiteral("1964"));
    EXPECT_EQ(YearButton(form, 2)->text(), QStringLiteral("65"));
    EXPECT_EQ(YearButton(form, 20)->text(), QStringLiteral("1983"));
    EXPECT_EQ(YearButton(form, 37)->text(), QStringLiteral("00"));
    // Every part placed its controls inside the designed area.
    const QRect area = form.surface()->rect();
    for (const char* name : {"panYear", "Image4", "cmdDesc", "cmdNostalgia", "Frame1"}) {
        EXPECT_TRUE(area.contains(Find(&form, name)->geometry())) << name;
    }
}

TEST(Form1Layout, OtherScreensGetTheSmallerLayout) {
    for (const QSize screen : {QSize(1024, 768), QSize(640, 480), QSize(800, 601)}) {
        ShellHarness harness;
        harness.screen.resize(screen.width(), screen.height());
        Form1& form = harness.startToMainWindow();
        const auto geometry = [&form](const char* name) { return Find(&form, name)->geometry(); };
        EXPECT_EQ(form.frameGeometry().size(), screen);
        EXPECT_EQ(geometry("Image4").size(), QSize(620, 356)) << screen.width();
        EXPECT_EQ(geometry("Frame1").y(), geometry("Image4").y() + 356 - 10);
        EXPECT_EQ(geometry("cmdYR_2"), QRect(49, 0, 32, 25));  // 740, 0, 480 twips
        EXPECT_EQ(geometry("cmdYR_21"), QRect(49, 24, 32, 25));
        EXPECT_EQ(geometry("cmdExit").x(), geometry("cmdYR_19").x());
        EXPECT_EQ(geometry("cmdExit").width(), geometry("cmdYR_19").width());
        EXPECT_EQ(geometry("cmdOptions").x(), geometry("cmdDesc").right() + 1);
        EXPECT_EQ(geometry("cmdNostalgia").x(), geometry("cmdAd").right() + 1);
        // The designed area stays whole inside the window, centred.
        const QRect area = form.surface()->geometry();
        EXPECT_GE(area.left(), 0);
        EXPECT_LE(area.right(), form.centralWidget()->width());
    }
    // Large fonts on an 800 by 600 screen are not the designed screen either.
    ShellHarness largeFonts;
    largeFonts.screen.setTwipsPerPixel(12);
    EXPECT_EQ(Find(&largeFonts.startToMainWindow(), "Image4")->size(), QSize(620, 356));
}

// The menu bar as a user reads it: one line per entry, submenus indented, hidden and
// greyed entries marked.
QStringList Dump(const QList<QAction*>& actions, const QString& indent = QString()) {
    QStringList lines;
    for (const QAction* action : actions) {
        QString line = indent + (action->isSeparator() ? QStringLiteral("-") : action->text());
        if (!action->isVisible()) {
            line += QStringLiteral(" (hidden)");
        } else if (!action->isEnabled()) {
            line += QStringLiteral(" (greyed)");
        }
        lines << line;
        if (action->menu() != nullptr) {
            lines << Dump(action->menu()->actions(), indent + QStringLiteral("  "));
        }
    }
    return lines;
}

TEST(Form1Menu, TheDesignedMenuBar) {
    ShellHarness harness;
    Form1& form = harness.startToMainWindow();
    const QStringList expected{
        "File",
        "  Copy CD-ROM photos to hard drive",
        "  Remove photos from hard drive",
        "  -",
        "  Copy CD-ROM movies to hard drive",
        "  Remove movies from hard drive",
        "  -",
        "  Install Screen saver",
        "  Install Intel Video Software",
        "  -",
        "  Print Photo",
        "  PrintBooklet",
        "  Print Setup",
        "  -",
        "  Check Screen Resolution",
        "  -",
        "  Show File &Names (greyed)",
        "  -",
        "  Exit",
        "Sound Effects",
        "Movies",
        "Literature",
        "  Vantrel Books",
        "  Vantrel Catalogs",
        "  Vantrel Magazines",
        "    Vantrel Illustrated",
        "    Vantrel Monthly",
        "    Muscle Vantrel and Fast Halders",
        "    Vantrel && Halders",
        "    5.0 Vantrel",
        "Miscellaneous",
        "  Vantrel 1964 Press Releases",
        "    Introduction",
        "    Market",
        "    Options",
        "  Vantrel Engines",
        "  Vantrel Glossary",
        "  Vantrel Identification Guide",
        "  Vantrel Timelime",
        "Artwork (hidden)",
        "  Lorin Vasse",
        "  National Torvale Museum",
        "  Edric Tamm",
        "Vantrel Stuff",
        "  The Danbury Mint",
        "  The Franklin Mint Collector Knives",
        "  The Franklin Mint Die Cast Models",
        "  Vantrel Cookies",
        "  Vantrel Metal Signs",
        "  The Vantrel Monopoly Game",
        "  Vantrel Postage Stamps",
        "Specialty",
        "  The Classic Dorran",
        "  Early Vantrel Prototypes",
        "  Vantrel Kite I",
        "  Vantrel Kite III",
        "  Vantrel Super Stravon",
        "SlideShow",
        "Help",
        "  Contents",
        "  -",
        "  What's New",
        "  Introduction",
        "  Notice",
        "  Credits",
        "  About",
        "  System Info",
        "  Contributions",
    };
    EXPECT_EQ(Dump(form.menuBar()->actions()), expected);
    // Three entries of the bar are commands, not menus; the access key of "Show File
    // &Names" is N, and "Vantrel && Halders" shows one ampersand.
    for (const char* command : {"mnuSound", "mnuMovies", "mnuSlideShow"}) {
        EXPECT_EQ(form.menuEntry(command)->menu(), nullptr) << command;
    }
    EXPECT_EQ(QKeySequence::mnemonic(form.menuEntry("mnuNames")->text()),
              QKeySequence(Qt::ALT | Qt::Key_N));
    EXPECT_EQ(QKeySequence::mnemonic(form.menuEntry("mnuMag", 4)->text()), QKeySequence());
    EXPECT_EQ(form.menuEntry("mnuPR", 3)->text(), QStringLiteral("Options"));
}

TEST(Form1Exit, CloseAsksAndCancelChangesNothing) {
    ShellHarness harness;
    Form1& form = harness.startToMainWindow();
    harness.mainDevice.open();  // a sound effect still plays
    harness.mainDevice.play();
    harness.mainDevice.operations.clear();
    harness.prompter.answerNext(Answer::Cancel);
    form.close();
    ASSERT_EQ(harness.prompter.shown().size(), 1u);
    const Message& question = harness.prompter.last();
    EXPECT_EQ(question.text, "Exit The Vantrel Velocarta?");
    EXPECT_EQ(question.title, "The Vantrel Velocarta");
    EXPECT_EQ(question.buttons, Buttons::OkCancel);
    EXPECT_EQ(question.icon, Icon::Question);
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(harness.state->ended());
    EXPECT_TRUE(harness.mainDevice.operations.empty());
    EXPECT_TRUE(harness.mainDevice.isPlaying());
    EXPECT_EQ(harness.prompter.lastAnswer(), Answer::Cancel);
}

TEST(Form1Exit, EveryWayOutAsksTheSameAndOkEnds) {
    const std::function<void(Form1&)> ways[] = {
        [](Form1& form) { form.close(); },
        [](Form1& form) { testing::Click(Find(&form, "cmdExit")); },
        [](Form1& form) { testing::ChooseMenuEntry(form, form.menuEntry("mnuExit")); },
    };
    for (const auto& leave : ways) {
        ShellHarness harness;
        Form1& form = harness.startToMainWindow();
        harness.prompter.answerNext(Answer::Ok);
        leave(form);
        ASSERT_EQ(harness.prompter.shown().size(), 1u);
        EXPECT_EQ(harness.prompter.last().text, "Exit The Vantrel Velocarta?");
        EXPECT_EQ(harness.mainDevice.operations, std::vector<std::string>{"close"});
        EXPECT_TRUE(harness.state->ended());
        EXPECT_EQ(harness.endProgramCalls, 1);
        EXPECT_FALSE(form.isVisible());
    }
}

TEST(ShowError, OkBoxFocusesTheNextYearAndEnablesTheWindow) {
    ShellHarness harness;
    Form1& form = harness.startToMainWindow();
    form.activateWindow();
    form.setEnabled(false);
    Program& program = *harness.state;
    program.onShow.setYearButtonIndex(5);
    EXPECT_EQ(program.ShowError("ER023", ErrorSource::Lookup), ErrorOutcome::Reported);
    EXPECT_TRUE(form.isEnabled());
    EXPECT_EQ(form.focusWidget(), YearButton(form, 6));
    EXPECT_EQ(harness.prompter.last().text.substr(0, 19), "Error number: ER023");
    program.onShow.setYearButtonIndex(37);
    EXPECT_EQ(program.ShowError("ER023", ErrorSource::Lookup), ErrorOutcome::Reported);
    EXPECT_EQ(form.focusWidget(), YearButton(form, 1));
    // After a trapped failure the focus stays where it is.
    program.onShow.setYearButtonIndex(10);
    program.ShowError("ER012", ErrorSource::Trap);
    EXPECT_EQ(form.focusWidget(), YearButton(form, 1));
}

TEST(ShowError, CancelOnARetryCodeEndsWithoutTheExitQuestion) {
    ShellHarness harness;
    Form1& form = harness.startToMainWindow();
    harness.prompter.answerNext(Answer::Cancel);
    EXPECT_EQ(harness.state->ShowError("ER037", ErrorSource::Trap), ErrorOutcome::Ended);
    EXPECT_TRUE(harness.state->ended());
    EXPECT_EQ(harness.prompter.shown().size(), 1u);
    form.close();  // the program's end closes the window: nothing more is asked
    EXPECT_EQ(harness.prompter.shown().size(), 1u);
}

TEST(Form1Accessibility, ControlsHaveNames) {
    ShellHarness harness;
    Form1& form = harness.startToMainWindow();
    EXPECT_EQ(Find(&form, "Image4")->accessibleName(), QStringLiteral("Photo"));
    EXPECT_EQ(Find(&form, "Frame1")->accessibleName(), QStringLiteral("Model years"));
    // Panels keep their caption as what a reader speaks.
    for (const char* panel : {"panYear", "panPhoto"}) {
        EXPECT_TRUE(Find(&form, panel)->accessibleName().isEmpty()) << panel;
        EXPECT_FALSE(Find(&form, panel)->accessibleDescription().isEmpty()) << panel;
    }
    // A button speaks its caption; one too small for a caption (a sound's play button) has
    // a name that says what it does.
    for (QPushButton* button : form.findChildren<QPushButton*>()) {
        EXPECT_FALSE(button->text().isEmpty() && button->accessibleName().isEmpty())
            << button->objectName().toStdString();
    }
    for (QWidget* widget : form.findChildren<QWidget*>()) {
        if (qobject_cast<QLabel*>(widget) == nullptr && widget->focusPolicy() != Qt::NoFocus &&
            qobject_cast<QPushButton*>(widget) == nullptr) {
            EXPECT_FALSE(widget->accessibleName().isEmpty()) << widget->objectName().toStdString();
        }
    }
}

// The start-up window is a plain widget; a reader must still find it as a window.
TEST(Form1Accessibility, WindowsOfTheirOwnAreWindowsToAReader) {
    ShellHarness harness;
    harness.start();
    Form2& startup = harness.windows->form2();
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&startup);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Window);
    EXPECT_EQ(accessible->text(QAccessible::Name), startup.windowTitle());
    startup.Timer1_Timer();
    QAccessibleInterface* main = QAccessible::queryAccessibleInterface(harness.windows->form1());
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->role(), QAccessible::Window);
}

}  // namespace
}  // namespace velocarta
