#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <optional>
#include <stdexcept>
#include <string>

#include "platform/qt/application_identity.h"
#include "platform/qt/qt_prompter.h"
#include "support/x11_window_name.h"

namespace velocarta {
namespace {

using testing::X11WindowName;

std::optional<std::string> Title(const char* text) {
    return std::string(text);
}

// What the window system shows as titles, under the program's own application identity.
class X11Titles : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { SetApplicationIdentity(); }
};

TEST_F(X11Titles, AMessageBoxIsTitledExactlyByItsMessage) {
    std::optional<std::string> title;
    std::string problem = "the message box never appeared";
    // The box runs its own event loop; look at it from there once the server shows it, then
    // press its OK button.
    QTimer watcher;
    watcher.setInterval(50);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || box->windowHandle() == nullptr || !box->windowHandle()->isExposed()) {
            return;
        }
        watcher.stop();
        try {
            title = X11WindowName(box->winId());
            problem.clear();
        } catch (const std::runtime_error& error) {
            problem = error.what();
        }
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    // Should the box never be shown, close whatever is modal so that the test ends.
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modal->close();
        }
    });
    watcher.start();
    giveUp.start(30'000);

    QtPrompter prompter;
    const Answer answer = prompter.ask({"The Vantrel Velocarta is already running!", kProductTitle,
                                        Buttons::Ok, Icon::Critical,
                                        /*systemModal=*/true});
    EXPECT_EQ(problem, "");
    EXPECT_EQ(title, Title("The Vantrel Velocarta"));
    EXPECT_EQ(answer, Answer::Ok);
}

TEST_F(X11Titles, AWindowKeepsItsTitleBlankForBlank) {
    QWidget window;
    window.setWindowTitle(QStringLiteral("The Vantrel Velocarta    2000"));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(X11WindowName(window.winId()), Title("The Vantrel Velocarta    2000"));
    // Titles set while the window is shown, as the text viewer's and the slide show's are.
    for (const char* title : {"The Vantrel Velocarta       Books", "The Vantrel Velocarta  2000",
                              "The Vantrel Velocarta "}) {
        window.setWindowTitle(QString::fromUtf8(title));
        EXPECT_EQ(X11WindowName(window.winId()), Title(title));
    }
}

}  // namespace
}  // namespace velocarta
