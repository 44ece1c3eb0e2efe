// The titles of the program's windows as the window system shows them to the user.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWindow>

#include "platform/qt/application_identity.h"
#include "shell/form1.h"
#include "shell/form2.h"
#include "support/sample_content.h"
#include "support/shell_harness.h"
#include "support/ui_driver.h"
#include "support/x11_window_name.h"

namespace velocarta {
namespace {

using testing::X11WindowName;

class X11WindowTitles : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { SetApplicationIdentity(); }
};

std::optional<std::string> ShownTitle(QWidget& window) {
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    return X11WindowName(window.winId());
}

TEST_F(X11WindowTitles, TheProgramsWindowsCarryExactlyTheirCaptions) {
    testing::ShellHarness harness;
    harness.start();
    EXPECT_EQ(ShownTitle(harness.windows->form2()), "The Vantrel Velocarta");
    harness.windows->form2().Timer1_Timer();
    Form1& form = *harness.windows->form1();
    EXPECT_EQ(ShownTitle(form), "The Vantrel Velocarta    2000");

    testing::WriteRtf(harness.disc, "/richtext/credits.rtf", "Credits");
    testing::ChooseMenuEntry(form, form.menuEntry("mnuCredits"));
    QWidget* viewer = testing::ShownWindow(QStringLiteral("txtForm"));
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(ShownTitle(*viewer), "The Vantrel Velocarta       Credits");
}

}  // namespace
}  // namespace velocarta
