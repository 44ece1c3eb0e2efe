#include "shell/form1.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "browser/photo_view.h"
#include "shell/form2.h"
#include "shell/menu_table.h"
#include "support/shell_harness.h"

namespace velocarta {
namespace {

using testing::ShellHarness;

TEST(Form1Load, FullScreenMainWindowAfterTheTick) {
    ShellHarness harness;
    Form1& form = harness.startToMainWindow();
    Module1& module = *harness.module;
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(module.form2().isVisible());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("The Vantrel Velocarta    2000"));
    EXPECT_EQ(form.frameGeometry(), QRect(0, 0, 800, 600));
    EXPECT_EQ(harness.screen.pointer(), Pointer::Default);
    EXPECT_EQ(module.state.documentPath.full(), harness.disc.path() + "/richtext/desc.rtf");
    EXPECT_FALSE(form.Command1->isVisible());
    EXPECT_EQ(form.panYear->text(), QStringLiteral("panYear"));
}

TEST(Form1Load, HwiShowsLoadArray) {
    ShellHarness harness;
    harness.program.writeFile("/vantrels/64A.JPG");
    EXPECT_TRUE(harness.startToMainWindow("HWI").Command1->isVisible());
}

TEST(Form1Load, YearListsHold1964To2000) {
    ShellHarness harness;
    Form1& form = harness.startToMainWindow();
    for (QListWidget* list : form.List1) {
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
    EXPECT_EQ(form.Image4->size(), QSize(784, 412));
    EXPECT_EQ(form.cmdYR[1]->geometry(), QRect(8, 0, 57, 25));      // 120, 0, 855 twips
    EXPECT_EQ(form.cmdYR[37]->geometry(), QRect(704, 24, 41, 25));  // 10560, 360, 615
    EXPECT_EQ(form.cmdYR[1]->text(), QStringLiteral("1964"));
    EXPECT_EQ(form.cmdYR[2]->text(), QStringLiteral("65"));
    EXPECT_EQ(form.cmdYR[20]->text(), QStringLiteral("1983"));
    EXPECT_EQ(form.cmdYR[37]->text(), QStringLiteral("00"));
}

TEST(Form1Layout, OtherScreensGetTheSmallerLayout) {
    for (const QSize screen : {QSize(1024, 768), QSize(640, 480), QSize(800, 601)}) {
        ShellHarness harness;
        harness.screen.resize(screen.width(), screen.height());
        Form1& form = harness.startToMainWindow();
        EXPECT_EQ(form.frameGeometry().size(), screen);
        EXPECT_EQ(form.Image4->size(), QSize(620, 356)) << screen.width();
        EXPECT_EQ(form.Frame1->y(), form.Image4->y() + 356 - 10);
        EXPECT_EQ(form.cmdYR[2]->geometry(), QRect(49, 0, 32, 25));  // 740, 0, 480 twips
        EXPECT_EQ(form.cmdYR[21]->geometry(), QRect(49, 24, 32, 25));
        EXPECT_EQ(form.cmdExit->x(), form.cmdYR[19]->x());
        EXPECT_EQ(form.cmdExit->width(), form.cmdYR[19]->width());
        EXPECT_EQ(form.cmdOptions->x(), form.cmdDesc->x() + form.cmdDesc->width());
        EXPECT_EQ(form.cmdNostalgia->x(), form.cmdAd->x() + form.cmdAd->width());
        // The designed area stays whole inside the window, centred.
        const QRect area = form.surface->geometry();
        EXPECT_GE(area.left(), 0);
        EXPECT_LE(area.right(), form.centralWidget()->width());
    }
    // Large fonts on an 800 by 600 screen are not the designed screen either.
    ShellHarness largeFonts;
    largeFonts.screen.setTwipsPerPixel(12);
    EXPECT_EQ(largeFonts.startToMainWindow().Image4->size(), QSize(620, 356));
}

TEST(Form1Menu, EveryEntryInDisplayOrder) {
    ShellHarness harness;
    Form1& form = harness.startToMainWindow();
    for (const MenuEntry& entry : MenuBarEntries()) {
        QAction* action = form.menuEntry(std::string(entry.name), entry.index);
        ASSERT_NE(action, nullptr) << entry.name;
        if (entry.caption == "-") {
            EXPECT_TRUE(action->isSeparator()) << entry.name;
        } else {
            EXPECT_EQ(action->text().toStdString(), entry.caption) << entry.name;
        }
        EXPECT_EQ(action->isVisible(), entry.visible) << entry.name;
        if (entry.visible) {  // Qt counts a hidden entry as disabled too
            EXPECT_EQ(action->isEnabled(), entry.enabled) << entry.name;
        }
    }
    // The bar itself, in order; three entries are commands, not menus.
    QStringList bar;
    for (QAction* action : form.menuBar()->actions()) {
        bar << action->text();
    }
    EXPECT_EQ(bar, (QStringList{"File", "Sound Effects", "Movies", "Literature", "Miscellaneous",
                                "Artwork", "Vantrel Stuff", "Specialty", "SlideShow", "Help"}));
    EXPECT_EQ(form.menuEntry("mnuSound")->menu(), nullptr);
    QMenu* file = form.menuEntry("mnuFile")->menu();
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->actions().size(), 18);
    EXPECT_EQ(file->actions().last()->objectName(), QStringLiteral("mnuExit"));
    QMenu* magazines = form.menuEntry("mnuMagazines")->menu();
    ASSERT_NE(magazines, nullptr);
    EXPECT_EQ(magazines->actions().size(), 5);
    EXPECT_EQ(form.menuEntry("mnuPR", 3)->parent(), form.menuEntry("mnuMisc0")->menu());
    EXPECT_FALSE(form.menuEntry("mnuNames")->isEnabled());
    // The access key of "Show File &Names" is N; "Vantrel && Halders" shows one ampersand.
    EXPECT_EQ(QKeySequence::mnemonic(form.menuEntry("mnuNames")->text()),
              QKeySequence(Qt::ALT | Qt::Key_N));
    EXPECT_EQ(QKeySequence::mnemonic(form.menuEntry("mnuMag", 4)->text()), QKeySequence());
    EXPECT_EQ(form.menuEntry("mnuMag", 1)->text(), QStringLiteral("Vantrel Illustrated"));
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
    EXPECT_FALSE(harness.module->ended());
    EXPECT_TRUE(harness.mainDevice.operations.empty());
    EXPECT_TRUE(harness.mainDevice.isPlaying());
    EXPECT_EQ(harness.prompter.lastAnswer(), Answer::Cancel);
}

TEST(Form1Exit, EveryWayOutAsksTheSameAndOkEnds) {
    const std::function<void(Form1&)> ways[] = {
        [](Form1& form) { form.close(); },
        [](Form1& form) { form.cmdExit->click(); },
        [](Form1& form) { form.menuEntry("mnuExit")->trigger(); },
    };
    for (const auto& leave : ways) {
        ShellHarness harness;
        Form1& form = harness.startToMainWindow();
        harness.prompter.answerNext(Answer::Ok);
        leave(form);
        ASSERT_EQ(harness.prompter.shown().size(), 1u);
        EXPECT_EQ(harness.prompter.last().text, "Exit The Vantrel Velocarta?");
        EXPECT_EQ(harness.mainDevice.operations, std::vector<std::string>{"close"});
        EXPECT_TRUE(harness.module->ended());
        EXPECT_EQ(harness.endProgramCalls, 1);
        EXPECT_FALSE(form.isVisible());
    }
}

TEST(ShowError, OkBoxFocusesTheNextYearAndEnablesTheWindow) {
    ShellHarness harness;
    Form1& form = harness.startToMainWindow();
    form.activateWindow();
    form.setEnabled(false);
    Module1& module = *harness.module;
    module.state.yearButtonIndex = 5;
    module.state.errorCode = "ER023";
    EXPECT_EQ(module.ShowError(ErrorSource::Lookup), ErrorOutcome::Reported);
    EXPECT_TRUE(form.isEnabled());
    EXPECT_EQ(form.focusWidget(), form.cmdYR[6]);
    EXPECT_EQ(module.state.errorMessage, harness.prompter.last().text);
    module.state.yearButtonIndex = 37;
    EXPECT_EQ(module.ShowError(ErrorSource::Lookup), ErrorOutcome::Reported);
    EXPECT_EQ(form.focusWidget(), form.cmdYR[1]);
    // After a trapped failure the focus stays where it is.
    module.state.yearButtonIndex = 10;
    module.ShowError(ErrorSource::Trap);
    EXPECT_EQ(form.focusWidget(), form.cmdYR[1]);
}

TEST(ShowError, CancelOnARetryCodeEndsWithoutTheExitQuestion) {
    ShellHarness harness;
    harness.startToMainWindow();
    Module1& module = *harness.module;
    module.state.errorCode = "ER037";
    harness.prompter.answerNext(Answer::Cancel);
    EXPECT_EQ(module.ShowError(), ErrorOutcome::Ended);
    EXPECT_TRUE(module.ended());
    EXPECT_EQ(harness.prompter.shown().size(), 1u);
    module.form1()->close();  // the program's end closes the window: nothing more is asked
    EXPECT_EQ(harness.prompter.shown().size(), 1u);
}

TEST(Form1Accessibility, ControlsHaveNames) {
    ShellHarness harness;
    Form1& form = harness.startToMainWindow();
    EXPECT_EQ(form.Image4->accessibleName(), QStringLiteral("Photo"));
    EXPECT_EQ(form.Frame1->accessibleName(), QStringLiteral("Model years"));
    // Panels keep their caption as what a reader speaks.
    EXPECT_TRUE(form.panYear->accessibleName().isEmpty());
    EXPECT_FALSE(form.panYear->accessibleDescription().isEmpty());
    EXPECT_TRUE(form.panPhoto->accessibleName().isEmpty());
    for (QWidget* widget : form.findChildren<QWidget*>()) {
        if (qobject_cast<QPushButton*>(widget)) {
            EXPECT_FALSE(static_cast<QPushButton*>(widget)->text().isEmpty())
                << widget->objectName().toStdString();
        }
    }
}

}  // namespace
}  // namespace velocarta
