#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

#include "content/on_show.h"
#include "program/main_window.h"

namespace velocarta {

class frmSlide;
class Program;
class YearBrowser;
struct HandBack;
struct SlideShowClosing;

// The slide show's share of the main window: the SlideShow entry of the menu bar opens the
// slide show window over the main window, and Exit on its bar hands the photo on show back
// to the year browser.
class SlideShowPart : public QObject, public MainWindowPart {
    Q_OBJECT

  public:
    SlideShowPart(Program& program, MainWindow& mainWindow, YearBrowser& browser);
    ~SlideShowPart() override;

    // Runs first whenever the show opens: the screen saver's photo list leaves the
    // always-on-top group and closes, so that it does not lie over the show.
    void setCloseScreenSaverList(std::function<void()> closeScreenSaverList);

    void mnuSlideShow_Click();

  private:
    void HandBackToMainWindow(const HandBack& handBack);
    void WindowClosed(const SlideShowClosing& closing);
    void CloseWindow();

    Program& program_;
    MainWindow& mainWindow_;
    YearBrowser& browser_;
    OnShow::Subscription onShow_;
    std::function<void()> closeScreenSaverList_;

    QPointer<frmSlide> window_;
    // Windows closed from their own handlers, which go once those return.
    QPointer<frmSlide> closing_;
    // SlideShowActive: raised when the show opens from the menu, lowered at the end of the
    // hand-over.
    bool slideShowActive_ = false;
    // PlayPressed: raised by the first Play of the run.
    bool playPressed_ = false;
};

}  // namespace velocarta
