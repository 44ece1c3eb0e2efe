#pragma once

#include <chrono>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "content/catalogue.h"
#include "slideshow/slide_captions.h"
#include "slideshow/slide_show.h"
#include "support/fake_screen_saver.h"
#include "support/fake_timing.h"

namespace velocarta::testing {

// The design's disc: 345 photos. 1964 .. 1999 and 2000 have eight photos each (entries
// 1 .. 296, so entry 172 is the fourth photo of 1985), then the editions and merchandise
// topics (entries 297 .. 345, the stamps last).
PhotoCatalogue DesignCatalogue();
// Seven photos: 64A, 64B, 65A, 66A (the middle), A0A, PTA, ZZA.
PhotoCatalogue SevenPhotoCatalogue();

// The window side, recorded.
class RecordingView final : public SlideShowView {
  public:
    explicit RecordingView(FakeClock& clock) : clock_(clock) {}

    bool showPicture(int k) override {
        loads.push_back(k);
        clock_.advance(loadTime);
        return broken.count(k) == 0;
    }
    void render(const SlideScreen& screen) override {
        last = screen;
        ++renders;
    }
    void reportError(std::string_view code) override {
        errors.emplace_back(code);
        screenAtError.push_back(last);
        clock_.advance(messageTime);
        if (onError) {
            onError();
        }
    }
    void upcoming(int k) override { upcomings.push_back(k); }

    std::set<int> broken;  // entries whose picture cannot be shown
    std::chrono::milliseconds loadTime{0};
    std::chrono::milliseconds messageTime{0};
    std::function<void()> onError;

    std::vector<int> loads;
    std::vector<std::string> errors;
    std::vector<SlideScreen> screenAtError;
    std::vector<int> upcomings;
    SlideScreen last;
    int renders = 0;

  private:
    FakeClock& clock_;
};

// A show over a catalogue, on a fake clock and timer.
struct ShowRig {
    explicit ShowRig(PhotoCatalogue photos) : catalogue(std::move(photos)) {}

    SlideShow& open(int startIndex, bool playPressed = false) {
        show = std::make_unique<SlideShow>(
            catalogue, view, SlideShowServices{clock, timer, screenSaver}, startIndex, playPressed);
        show->open();
        return *show;
    }
    // Lets the show's time run on by `ms` milliseconds.
    void run(int ms) { timer.runFor(std::chrono::milliseconds(ms)); }
    const SlideScreen& screen() const { return show->screen(); }

    PhotoCatalogue catalogue;
    FakeClock clock;
    FakeDeadlineTimer timer{clock};
    FakeScreenSaverInhibitor screenSaver;
    RecordingView view{clock};
    std::unique_ptr<SlideShow> show;
};

}  // namespace velocarta::testing
