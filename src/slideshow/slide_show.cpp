#include "slideshow/slide_show.h"

#include <algorithm>

#include "browser/year_selector.h"
#include "slideshow/slide_captions.h"
#include "slideshow/slide_steps.h"

namespace velocarta {

SlideShow::SlideShow(const PhotoCatalogue& catalogue, SlideShowView& view,
                     SlideShowServices services, int startIndex, bool playPressed)
    : catalogue_(catalogue), view_(view), services_(services), startIndex_(startIndex) {
    screen_.photoDelay = kOpeningPhotoDelay;
    screen_.delayCaption = std::string(kOpeningSlideDelayCaption);
    screen_.playPressed = playPressed;
    setStopped();
}

SlideShow::~SlideShow() {
    if (!left_) {
        stop();
    }
}

void SlideShow::open() {
    const bool startsOnPhoto = startIndex_ >= 1 && startIndex_ <= count();
    if (!startsOnPhoto) {
        // Nothing on show until the first step or tick; the caption waits, hidden, with the
        // year of photo 1.
        screen_.photoIndex = 0;
        SetSlideYearCaption(1);
        render();
        return;
    }
    screen_.photoIndex = startIndex_;
    if (!showPhoto(startIndex_)) {
        SetSlideYearCaption(startIndex_);
        render();
        fail(kJumpToError);
        return;
    }
    screen_.counterVisible = true;
    render();
}

bool SlideShow::showPhoto(int k) {
    if (!view_.showPicture(k)) {
        return false;
    }
    screen_.picture = k;
    SetSlideYearCaption(k);
    screen_.yearCaptionVisible = true;
    setCounter(k);
    return true;
}

void SlideShow::SetSlideYearCaption(int k) {
    screen_.yearCaption = SlideYearCaption(catalogue_, k);
}

void SlideShow::setCounter(int k) {
    screen_.counter = PhotoCounterText(k, count());
}

void SlideShow::stepTo(int index, std::string_view errorCode, bool counterFirst,
                       bool counterAfterError) {
    screen_.counterVisible = true;
    screen_.slideShowDirty = false;
    screen_.photoIndex = index;
    if (counterFirst) {
        setCounter(index);
    }
    if (showPhoto(index)) {
        render();
        return;
    }
    // The failed photo's index stays, so the next step goes on from there.
    render();
    fail(errorCode);
    if (counterAfterError) {
        setCounter(index);
        render();
    }
}

void SlideShow::forward() {
    if (!left_ && screen_.enabled.fwd) {
        stepTo(SlideForwardIndex(screen_.photoIndex, count()), kFwdError, true, true);
    }
}

void SlideShow::backward() {
    if (!left_ && screen_.enabled.bkwd) {
        stepTo(SlideBackwardIndex(screen_.photoIndex, count()), kBkwdError, false, true);
    }
}

void SlideShow::jumpForward() {
    if (!left_ && screen_.enabled.jumpFwd) {
        stepTo(SlideJumpForwardIndex(screen_.photoIndex, count()), kJumpFwdError, false, true);
    }
}

void SlideShow::jumpBackward() {
    if (!left_ && screen_.enabled.jumpBkwd) {
        // A failed backward jump leaves the old counter text.
        stepTo(SlideJumpBackwardIndex(screen_.photoIndex, count()), kJumpBkwdError, false, false);
    }
}

void SlideShow::jumpTo(int index) {
    screen_.counterVisible = true;
    screen_.photoIndex = index;
    if (view_.showPicture(index)) {
        screen_.picture = index;
        screen_.yearCaption = JumpCaption(catalogue_, index);
        screen_.yearCaptionVisible = true;
        setCounter(index);
        render();
        return;
    }
    setCounter(index);
    render();
    fail(kJumpToError);
}

void SlideShow::beginning() {
    if (!left_ && screen_.enabled.beginning) {
        jumpTo(1);
    }
}

void SlideShow::middle() {
    if (!left_ && screen_.enabled.middle) {
        jumpTo(SlideMiddleIndex(count()));
    }
}

bool SlideShow::key(int keyCode) {
    if (keyCode == kKeyComma && !left_ && screen_.enabled.bkwd) {
        backward();
        return true;
    }
    if (keyCode == kKeyPeriod && !left_ && screen_.enabled.fwd) {
        forward();
        return true;
    }
    return false;
}

void SlideShow::setStopped() {
    const bool photos = count() > 0;
    SlideControls& on = screen_.enabled;
    on.bkwd = on.fwd = on.play = on.jumpBkwd = on.jumpFwd = photos;
    on.beginning = on.middle = photos;
    on.pause = false;
    on.exit = true;
    on.spin = true;
    screen_.playing = false;
}

void SlideShow::play() {
    if (left_ || !screen_.enabled.play) {
        return;
    }
    // Nothing changes at once: the first tick comes one delay after the press. Asking the
    // desktop to hold the screen saver off (a call to another program) does not shift it.
    nextTick_ = services_.clock.now() + std::chrono::milliseconds(screen_.photoDelay);
    screen_.enabled.spin = false;
    screen_.playPressed = true;
    // Pressing Play again while playing skips one more photo; the tick after the last
    // photo starts again at photo 1 in any case.
    screen_.photoIndex = std::min(screen_.photoIndex + 1, count() + 1);
    SlideControls& on = screen_.enabled;
    on.pause = true;
    on.bkwd = on.fwd = on.jumpBkwd = on.jumpFwd = false;
    on.beginning = on.middle = false;
    screen_.slideShowDirty = true;
    screen_.counterVisible = true;
    screen_.playing = true;
    services_.screenSaver.inhibit(std::string(kScreenSaverHoldApplication),
                                  std::string(kScreenSaverHoldReason));
    holdsScreen_ = true;
    services_.timer.arm(nextTick_, [this] { tick(); });
    render();
    view_.upcoming(upcomingPhoto());
}

void SlideShow::tick() {
    if (left_ || !screen_.playing) {
        return;
    }
    if (services_.clock.now() < nextTick_) {
        services_.timer.arm(nextTick_, [this] { tick(); });
        return;
    }
    if (screen_.photoIndex == 0) {
        screen_.photoIndex = 1;
    }
    bool failed = false;
    if (screen_.photoIndex <= count()) {
        const int k = screen_.photoIndex;
        failed = !showPhoto(k);
        // Past a photo that cannot be shown as well, or every later tick would try it again.
        screen_.photoIndex = k + 1;
    } else {
        // The last photo stays for one more delay; the next tick shows photo 1.
        screen_.photoIndex = 1;
    }
    if (failed) {
        render();
        fail(kTickError);
        if (left_ || !screen_.playing) {
            return;  // the show was paused or left while the message was open
        }
    } else {
        screen_.yearCaptionVisible = true;
    }
    planNextTick();
    render();
    view_.upcoming(upcomingPhoto());
}

void SlideShow::planNextTick() {
    const auto delay = std::chrono::milliseconds(screen_.photoDelay);
    const MonotonicInstant now = services_.clock.now();
    nextTick_ += delay;
    if (nextTick_ <= now) {
        nextTick_ = now + delay;
    }
    services_.timer.arm(nextTick_, [this] { tick(); });
}

void SlideShow::pause() {
    if (left_ || !screen_.enabled.pause) {
        return;
    }
    services_.timer.disarm();
    releaseScreen();
    screen_.slideShowDirty = false;
    setStopped();
    // The counter keeps its text: it already names the photo on show.
    screen_.photoIndex = PausedPhotoIndex(screen_.photoIndex, count(), screen_.picture != 0);
    render();
}

void SlideShow::spin(SpinDirection direction) {
    if (left_ || !screen_.enabled.spin) {
        return;
    }
    screen_.photoDelay = StepPhotoDelay(screen_.photoDelay, direction);
    screen_.delayCaption = SlideDelayCaption(screen_.photoDelay);
    render();
}

HandBack SlideShow::exitToMainWindow(std::string_view mainCaption) {
    if (left_ || !screen_.enabled.exit) {
        HandBack nothing;
        nothing.photoIndex = screen_.photoIndex;
        return nothing;
    }
    const HandBackInput input{screen_.photoIndex, screen_.playing, screen_.picture,
                              screen_.yearCaption, mainCaption};
    HandBack handBack = DecideHandBack(catalogue_, input);
    stop();
    screen_.slideShowDirty = false;
    screen_.photoIndex = handBack.photoIndex;
    return handBack;
}

SlideShowClosing SlideShow::close() {
    if (!left_) {
        stop();
    }
    return {screen_.photoIndex, screen_.playPressed};
}

void SlideShow::releaseScreen() {
    if (holdsScreen_) {
        services_.screenSaver.release();
        holdsScreen_ = false;
    }
}

void SlideShow::stop() {
    services_.timer.disarm();
    releaseScreen();
    screen_.playing = false;
    left_ = true;
}

int SlideShow::upcomingPhoto() const {
    if (!screen_.playing || count() < 1) {
        return 0;
    }
    const int index = screen_.photoIndex;
    return index >= 1 && index <= count() ? index : 1;
}

void SlideShow::fail(std::string_view code) {
    view_.reportError(code);
}

void SlideShow::render() {
    view_.render(screen_);
}

}  // namespace velocarta
