#include "slideshow/slide_show_part.h"

#include <QWindow>

#include "browser/year_browser.h"
#include "program/program.h"
#include "slideshow/frm_slide.h"
#include "slideshow/slide_start.h"

namespace velocarta {

SlideShowPart::SlideShowPart(Program& program, MainWindow& mainWindow, YearBrowser& browser)
    : program_(program), mainWindow_(mainWindow), browser_(browser) {
    mainWindow.onMenu("mnuSlideShow", [this](int) { mnuSlideShow_Click(); });
    // SetTopicButtons closes the show, as it closes the text viewer.
    onShow_ = program.onShow.listen([this](OnShow::Change change) {
        if (change == OnShow::Change::Refreshed) {
            CloseWindow();
        }
    });
}

SlideShowPart::~SlideShowPart() {
    delete window_.data();
    delete closing_.data();
}

void SlideShowPart::setCloseScreenSaverList(std::function<void()> closeScreenSaverList) {
    closeScreenSaverList_ = std::move(closeScreenSaverList);
}

void SlideShowPart::mnuSlideShow_Click() {
    if (window_) {
        window_->raise();
        window_->activateWindow();
        return;
    }
    if (closeScreenSaverList_) {
        closeScreenSaverList_();
    }
    // The main window is about to lose the focus to the show: a refresh it still owes from
    // the last show runs now, as it would then, and so cannot close the show it lost the
    // focus to.
    if (program_.slideShowDirty) {
        browser_.SetTopicButtons();
    }
    slideShowActive_ = true;
    program_.photoDelay = kOpeningPhotoDelay;

    frmSlide::Callbacks callbacks;
    callbacks.handBack = [this](const HandBack& handBack) { HandBackToMainWindow(handBack); };
    callbacks.closed = [this](const SlideShowClosing& closing) { WindowClosed(closing); };
    callbacks.slideShowActive = [this] { return slideShowActive_; };
    auto* window = new frmSlide(program_, std::move(callbacks));
    window_ = window;
    window->Form_Load();

    // Laid over the main window, as large as it is.
    QWidget* main = mainWindow_.widget();
    window->setGeometry(main->geometry());
    window->ApplyLayout(SlideLayoutFor(program_.services.screen, window->width() * kTwipsPerPixel,
                                       window->height() * kTwipsPerPixel));

    const OnShow& onShow = program_.onShow;
    const PhotoCatalogue& photos = program_.photos;
    const int start =
        SlideStartPhoto(onShow.steps.lastPhotoIndex, PhotoEntryOfPath(photos, onShow.photoPath()),
                        photos.count(), [window](int k) { return window->CanShow(k); });
    window->OpenShow(start, playPressed_);

    window->winId();
    if (window->windowHandle() != nullptr && main->windowHandle() != nullptr) {
        window->windowHandle()->setTransientParent(main->windowHandle());
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void SlideShowPart::HandBackToMainWindow(const HandBack& handBack) {
    program_.slideShowDirty = false;
    if (handBack.kind == HandBack::Kind::RefreshOnly) {
        // Nothing was ever chosen in the main window: it only refreshes (and closes the
        // show).
        browser_.SetTopicButtons();
        program_.onShow.steps = handBack.stepsAfter(program_.onShow.steps);
        CloseWindow();
        return;
    }
    if (!browser_.ShowHandedBackPhoto(handBack)) {
        // The main window keeps what it showed; the show has stopped and closes.
        program_.ShowError(kHandBackError, ErrorSource::Trap);
        CloseWindow();
        return;
    }
    CloseWindow();
    if (handBack.clearSlideShowActive) {
        slideShowActive_ = false;
    }
}

void SlideShowPart::WindowClosed(const SlideShowClosing& closing) {
    playPressed_ = closing.playPressed;
    // The main window's steps go on from the show's PhotoIndex as after a step forward onto
    // it: the photo a pick showed is not passed over once more. (A hand-over sets them after
    // this, as a step back onto the photo handed over.)
    StepState& steps = program_.onShow.steps;
    steps.photoIndex = closing.photoIndex;
    steps.firstPhotoOnShow = false;
    steps.steppedForward = true;
    steps.steppedBack = false;
    // The main window refreshes its year controls the next time it loses the focus.
    program_.slideShowDirty = true;
    // The window is still in its own close handler: it goes once that returns.
    delete closing_.data();
    closing_ = window_;
    window_ = nullptr;
    if (closing_) {
        closing_->deleteLater();
    }
    // The keyboard goes back to the main window, to the control that last had it there.
    mainWindow_.widget()->activateWindow();
}

void SlideShowPart::CloseWindow() {
    if (window_) {
        window_->close();
    }
}

}  // namespace velocarta
