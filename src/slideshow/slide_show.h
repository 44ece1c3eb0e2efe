#pragma once

#include <string>
#include <string_view>

#include "content/catalogue.h"
#include "platform/deadline_timer.h"
#include "platform/screen_saver_inhibitor.h"
#include "slideshow/delay_ring.h"
#include "slideshow/hand_back.h"

namespace velocarta {

// The enabled states of the show's controls: the seven buttons of the bar (mmSlide),
// Beginning (SSCommand1), Middle (SSCommand2) and the delay spin (SpinInterval).
struct SlideControls {
    bool bkwd = true;
    bool fwd = true;
    bool play = true;
    bool pause = false;
    bool jumpBkwd = true;
    bool jumpFwd = true;
    bool exit = true;
    bool beginning = true;
    bool middle = true;
    bool spin = true;
    friend bool operator==(const SlideControls&, const SlideControls&) = default;
};

// Everything the show window displays, and the shared values it must keep in step. The
// window draws this and nothing else.
struct SlideScreen {
    int picture = 0;          // the entry whose picture Image1 shows, 0 before any was shown
    std::string yearCaption;  // panYear
    bool yearCaptionVisible = false;
    std::string counter;  // pnlPhotoNumber, "12 of 345"
    bool counterVisible = false;
    std::string delayCaption;  // panInterval
    SlideControls enabled;
    bool playing = false;

    // Shared with the main window while the show is open: PhotoIndex (the photo on show
    // while stopped, the next photo to show while playing), PhotoDelay in milliseconds,
    // SlideShowDirty (the main window's refresh flag) and PlayPressed (raised by the first
    // Play of the run; while raised, Form_Paint and Image1_Click leave the focus alone).
    int photoIndex = 0;
    int photoDelay = 0;
    bool slideShowDirty = false;
    bool playPressed = false;
};

// The window side of the show. The show calls it while it handles an action or a tick.
class SlideShowView {
  public:
    virtual ~SlideShowView() = default;
    // Puts the picture of catalogue entry k (1 .. count) into Image1. False when it cannot
    // be shown; Image1 then keeps the picture it had.
    virtual bool showPicture(int k) = 0;
    // The screen changed; draw it.
    virtual void render(const SlideScreen& screen) = 0;
    // A step failed: show the numbered message (ShowError) and return when it is closed.
    // The screen was rendered as it stood when the step failed.
    virtual void reportError(std::string_view code) = 0;
    // While playing: the photo the next tick will show, so its picture can be decoded ahead.
    virtual void upcoming(int /*k*/) {}
};

// The services the show's timing and the screen saver go through.
struct SlideShowServices {
    MonotonicClock& clock;
    DeadlineTimer& timer;
    ScreenSaverInhibitor& screenSaver;
};

// What the desktop lists as holding the screen on while the show plays.
inline constexpr std::string_view kScreenSaverHoldApplication = "The Vantrel Velocarta 2000";
inline constexpr std::string_view kScreenSaverHoldReason = "Slide show playing";

// The error codes of the show's steps.
inline constexpr std::string_view kJumpBkwdError = "ER013";
inline constexpr std::string_view kFwdError = "ER014";
inline constexpr std::string_view kBkwdError = "ER015";
inline constexpr std::string_view kTickError = "ER016";
inline constexpr std::string_view kHandBackError = "ER017";  // the main window's load
inline constexpr std::string_view kJumpFwdError = "ER018";
// Beginning, Middle and the photo the show opens with: the same message as the steps.
inline constexpr std::string_view kJumpToError = "ER039";

// What cmdExit leaves behind: PhotoIndex keeps the show's last value, from which the main
// window's next photo step continues; PlayPressed lasts for the run.
struct SlideShowClosing {
    int photoIndex = 0;
    bool playPressed = false;
};

// The slide show over the photo catalogue: stepping by hand, timed play, the delay and the
// hand-over to the main window. It has no widgets; the window forwards its controls'
// events here and draws what render() hands it.
//
// Timing: Play plans ticks at fixed deadlines on the clock (Play + delay, + 2 delays, ...),
// so a photo that takes long to show does not stretch the rhythm; a tick that comes more
// than a delay late (a message box was open) starts the rhythm anew from that moment.
//
// After every action of the user the window gives the focus back to Beginning (SSCommand1)
// when it is enabled; ticks leave the focus alone. An action whose control is disabled
// does nothing, and after the show was left every action does nothing.
//
// The view and services must outlive the show. Do not destroy the show from inside a view
// call.
class SlideShow {
  public:
    // startIndex: the photo to open at, normally LastPhotoIndex; an index outside the
    // catalogue opens with nothing on show (the first step forward or tick shows photo 1,
    // a step back the last photo). playPressed: PlayPressed of earlier shows of this run.
    SlideShow(const PhotoCatalogue& catalogue, SlideShowView& view, SlideShowServices services,
              int startIndex, bool playPressed = false);
    ~SlideShow();
    SlideShow(const SlideShow&) = delete;
    SlideShow& operator=(const SlideShow&) = delete;

    // Shows the photo the show opens at and renders the first screen: stopped, PhotoDelay
    // 1000 with " 1 second". Call once, before the window is shown.
    void open();

    // The button bar, Beginning and Middle.
    void forward();       // Fwd and the period key: ER014
    void backward();      // Bkwd and the comma key: ER015
    void jumpForward();   // Jump Fwd, ten on: ER018
    void jumpBackward();  // Jump Bkwd, ten back: ER013
    void beginning();     // SSCommand1: photo 1
    void middle();        // SSCommand2: the middle photo
    void play();
    void pause();
    // SpinInterval's up and down arrows.
    void spin(SpinDirection direction);
    // A key pressed while SSCommand1 has the focus (188 comma, 190 period); true when it
    // stepped.
    bool key(int keyCode);

    // Exit on the bar: stops the show and decides the hand-over to the main window, whose
    // year caption is mainCaption. The window applies the decision (the main window's load
    // of the photo reports kHandBackError when it fails).
    HandBack exitToMainWindow(std::string_view mainCaption);
    // cmdExit: stops the show and closes without a hand-over.
    SlideShowClosing close();

    const SlideScreen& screen() const { return screen_; }
    bool playing() const { return screen_.playing; }
    bool left() const { return left_; }
    // While playing: the photo the next tick shows (0 when stopped), and when.
    int upcomingPhoto() const;
    MonotonicInstant nextTickAt() const { return nextTick_; }

  private:
    int count() const { return catalogue_.count(); }
    bool showPhoto(int k);
    void SetSlideYearCaption(int k);
    void setCounter(int k);
    void stepTo(int index, std::string_view errorCode, bool counterFirst, bool counterAfterError);
    void jumpTo(int index);
    void setStopped();
    void tick();
    void planNextTick();
    void stop();
    void releaseScreen();
    void fail(std::string_view code);
    void render();

    const PhotoCatalogue& catalogue_;
    SlideShowView& view_;
    SlideShowServices services_;
    int startIndex_;
    SlideScreen screen_;
    MonotonicInstant nextTick_{};
    bool left_ = false;
    bool holdsScreen_ = false;  // this show asked the screen saver to hold off
};

}  // namespace velocarta
