#include <gtest/gtest.h>

#include "slide_show_fixture.h"

namespace velocarta {
namespace {

using std::chrono::milliseconds;
using testing::DesignCatalogue;
using testing::SevenPhotoCatalogue;
using testing::ShowRig;

TEST(SlideShowPlay, TheFirstTickComesOneDelayAfterPlay) {
    ShowRig rig(DesignCatalogue());
    SlideShow& show = rig.open(12);
    show.play();
    // Play moves PhotoIndex to the next photo but shows nothing yet.
    EXPECT_EQ(rig.view.last.photoIndex, 13);
    EXPECT_EQ(rig.view.loads, std::vector<int>{12});
    rig.run(999);
    EXPECT_EQ(rig.view.loads, std::vector<int>{12});
    rig.run(1);
    EXPECT_EQ(rig.view.loads, (std::vector<int>{12, 13}));
    EXPECT_EQ(rig.view.last.counter, "13 of 345");
    EXPECT_EQ(rig.view.last.photoIndex, 14);  // playing, PhotoIndex names the next photo
    rig.run(3000);
    EXPECT_EQ(rig.view.loads, (std::vector<int>{12, 13, 14, 15, 16}));
}

// A desktop whose screen saver takes its time to answer.
class SlowScreenSaver final : public ScreenSaverInhibitor {
  public:
    explicit SlowScreenSaver(testing::FakeClock& clock) : clock_(clock) {}
    bool inhibit(const std::string&, const std::string&) override {
        clock_.advance(milliseconds(40));
        held_ = true;
        return true;
    }
    void release() override { held_ = false; }
    bool held() const override { return held_; }

  private:
    testing::FakeClock& clock_;
    bool held_ = false;
};

TEST(SlideShowPlay, TheRhythmStartsAtThePressNotWhenTheScreenSaverAnswers) {
    ShowRig rig(DesignCatalogue());
    SlowScreenSaver slow(rig.clock);
    SlideShow show(rig.catalogue, rig.view, SlideShowServices{rig.clock, rig.timer, slow}, 12);
    show.open();
    const MonotonicInstant pressed = rig.clock.now();
    show.play();
    EXPECT_EQ(show.nextTickAt(), pressed + milliseconds(1000));
    rig.timer.runUntil(pressed + milliseconds(2000));
    EXPECT_EQ(rig.view.loads, (std::vector<int>{12, 13, 14}));
}

TEST(SlideShowPlay, TheLastPhotoStaysForTwoDelaysThenPhotoOneFollows) {
    ShowRig rig(SevenPhotoCatalogue());
    SlideShow& show = rig.open(6);
    show.play();
    rig.run(1000);
    EXPECT_EQ(rig.view.last.picture, 7);
    rig.run(1000);  // the tick after the last photo shows nothing
    EXPECT_EQ(rig.view.loads, (std::vector<int>{6, 7}));
    EXPECT_EQ(rig.view.last.photoIndex, 1);
    EXPECT_EQ(rig.view.last.picture, 7);
    rig.run(1000);
    EXPECT_EQ(rig.view.loads, (std::vector<int>{6, 7, 1}));
}

TEST(SlideShowPlay, AShowOpenedWithNothingOnShowStartsAtPhotoOne) {
    ShowRig rig(SevenPhotoCatalogue());
    SlideShow& show = rig.open(0);
    show.play();
    rig.run(1000);
    EXPECT_EQ(rig.view.loads, std::vector<int>{1});
    EXPECT_TRUE(rig.view.last.yearCaptionVisible);
}

TEST(SlideShowPlay, PlayingAgainSkipsAPhotoAndRestartsTheDelay) {
    ShowRig rig(DesignCatalogue());
    SlideShow& show = rig.open(12);
    show.play();
    rig.run(600);
    show.play();
    EXPECT_EQ(rig.view.last.photoIndex, 14);
    rig.run(999);
    EXPECT_EQ(rig.view.loads, std::vector<int>{12});
    rig.run(1);
    EXPECT_EQ(rig.view.loads, (std::vector<int>{12, 14}));
}

TEST(SlideShowPlay, PauseNamesThePhotoOnShowAgain) {
    struct Case {
        int start;
        int ticks;
        int pausedAt;
    };
    const Case cases[] = {
        {3, 0, 3},             // paused before the first tick
        {3, 2, 5}, {6, 1, 7},  // the last photo
        {6, 2, 7},             // the tick after the last photo; photo 7 is still on show
        {6, 3, 1}, {0, 0, 0},  // nothing shown yet: still nothing on show
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.start << " + " << c.ticks);
        ShowRig rig(SevenPhotoCatalogue());
        SlideShow& show = rig.open(c.start);
        show.play();
        rig.run(1000 * c.ticks);
        const std::string counter = rig.view.last.counter;
        show.pause();
        EXPECT_EQ(rig.view.last.photoIndex, c.pausedAt);
        EXPECT_EQ(rig.view.last.counter, counter);  // not rewritten
        EXPECT_FALSE(rig.timer.armed());
        rig.run(5000);
        EXPECT_EQ(rig.view.last.photoIndex, c.pausedAt);
    }
}

TEST(SlideShowPlay, TicksKeepTheirRhythmWhenPhotosAreSlowToShow) {
    ShowRig rig(DesignCatalogue());
    SlideShow& show = rig.open(12);
    rig.view.loadTime = milliseconds(300);
    const MonotonicInstant started = rig.clock.now();
    show.play();
    for (int tick = 1; tick <= 5; ++tick) {
        EXPECT_EQ(rig.timer.deadline() - started, milliseconds(1000 * tick));
        rig.timer.runUntil(rig.timer.deadline());
    }
    EXPECT_EQ(rig.view.loads.size(), 6U);
    // The window learns each next photo ahead of its tick.
    EXPECT_EQ(rig.view.upcomings, (std::vector<int>{13, 14, 15, 16, 17, 18}));
    EXPECT_EQ(show.upcomingPhoto(), 18);
}

TEST(SlideShowPlay, ATickFarBehindStartsTheRhythmAnew) {
    ShowRig rig(DesignCatalogue());
    SlideShow& show = rig.open(12);
    rig.view.broken = {13};
    rig.view.messageTime = milliseconds(4500);  // the user reads the message
    show.play();
    rig.timer.runUntil(rig.timer.deadline());
    ASSERT_EQ(rig.view.errors, std::vector<std::string>{"ER016"});
    // One tick, not four in a row to catch up: the next comes one delay after the message.
    EXPECT_EQ(rig.timer.deadline(), rig.clock.now() + milliseconds(1000));
}

TEST(SlideShowPlay, AnEarlyWakeShowsNothingAndWaitsForTheDeadline) {
    ShowRig rig(DesignCatalogue());
    SlideShow& show = rig.open(12);
    show.play();
    const MonotonicInstant deadline = rig.timer.deadline();
    rig.clock.advance(milliseconds(400));
    rig.timer.fireEarly();
    EXPECT_EQ(rig.view.loads, std::vector<int>{12});
    ASSERT_TRUE(rig.timer.armed());
    EXPECT_EQ(rig.timer.deadline(), deadline);
}

TEST(SlideShowPlay, ATickThatCannotShowItsPhotoReportsAndGoesOn) {
    ShowRig rig(DesignCatalogue());
    SlideShow& show = rig.open(12);
    rig.view.broken = {14};
    show.play();
    rig.run(3000);
    EXPECT_EQ(rig.view.errors, std::vector<std::string>{"ER016"});
    EXPECT_EQ(rig.view.loads, (std::vector<int>{12, 13, 14, 15}));
    EXPECT_EQ(rig.view.last.picture, 15);
    EXPECT_TRUE(show.playing());
}

TEST(SlideShowPlay, PausingWhileATickReportsStopsTheShow) {
    ShowRig rig(DesignCatalogue());
    SlideShow& show = rig.open(12);
    rig.view.broken = {13};
    rig.view.onError = [&show] { show.pause(); };
    show.play();
    rig.run(5000);
    EXPECT_FALSE(show.playing());
    EXPECT_FALSE(rig.timer.armed());
    EXPECT_EQ(rig.view.loads, (std::vector<int>{12, 13}));
}

TEST(SlideShowPlay, TheDelaySpinStepsTheRingAndTimesTheTicks) {
    ShowRig rig(DesignCatalogue());
    SlideShow& show = rig.open(12);
    EXPECT_EQ(rig.view.last.delayCaption, " 1 second");
    show.spin(SpinDirection::Down);
    EXPECT_EQ(rig.view.last.delayCaption, "60 seconds");
    show.spin(SpinDirection::Up);
    EXPECT_EQ(rig.view.last.delayCaption, "1 seconds");
    show.spin(SpinDirection::Up);
    EXPECT_EQ(rig.view.last.photoDelay, 2000);
    EXPECT_EQ(rig.view.last.delayCaption, "2 seconds");
    show.play();
    rig.run(1999);
    EXPECT_EQ(rig.view.loads.size(), 1U);
    rig.run(1);
    EXPECT_EQ(rig.view.loads.size(), 2U);
}

TEST(SlideShowPlay, TheScreenSaverIsHeldOffOnlyWhilePlaying) {
    ShowRig rig(DesignCatalogue());
    SlideShow& show = rig.open(12);
    EXPECT_TRUE(rig.screenSaver.requests.empty());
    show.play();
    show.play();
    ASSERT_EQ(rig.screenSaver.requests.size(), 1U);
    EXPECT_EQ(rig.screenSaver.requests[0].first, "The Vantrel Velocarta 2000");
    EXPECT_EQ(rig.screenSaver.requests[0].second, "Slide show playing");
    EXPECT_TRUE(rig.screenSaver.held());
    show.pause();
    EXPECT_FALSE(rig.screenSaver.held());
    EXPECT_EQ(rig.screenSaver.releases, 1);

    show.play();
    show.exitToMainWindow("1965");
    EXPECT_FALSE(rig.screenSaver.held());

    ShowRig closing(DesignCatalogue());
    closing.open(12).play();
    closing.show->close();
    EXPECT_FALSE(closing.screenSaver.held());
    EXPECT_FALSE(closing.timer.armed());

    ShowRig destroyed(DesignCatalogue());
    destroyed.open(12).play();
    destroyed.show.reset();
    EXPECT_FALSE(destroyed.screenSaver.held());
    EXPECT_FALSE(destroyed.timer.armed());
}

TEST(SlideShowPlay, WithoutAScreenSaverServiceTheShowPlaysOn) {
    ShowRig rig(DesignCatalogue());
    rig.screenSaver.available = false;
    SlideShow& show = rig.open(12);
    show.play();
    rig.run(2000);
    EXPECT_EQ(rig.view.loads, (std::vector<int>{12, 13, 14}));
    show.pause();
    EXPECT_EQ(rig.screenSaver.releases, 0);
}

TEST(SlideShowExit, HandsOverThePhotoOnScreen) {
    struct Case {
        int start;
        bool play;
        int ticks;
        int handed;
    };
    const Case cases[] = {
        {12, false, 0, 12},   // stopped: the photo on show
        {0, false, 0, 1},     // nothing shown yet: photo 1
        {12, true, 0, 12},    // playing, before the first tick
        {12, true, 2, 14},    // playing: the photo on screen, not the next one
        {344, true, 2, 345},  // after the last photo's first delay it is still on screen
        {344, true, 3, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.start << " " << c.play << " " << c.ticks);
        ShowRig rig(DesignCatalogue());
        SlideShow& show = rig.open(c.start);
        if (c.play) {
            show.play();
            rig.run(1000 * c.ticks);
        }
        const HandBack handBack = show.exitToMainWindow("1970");
        ASSERT_EQ(handBack.kind, HandBack::Kind::Photo);
        EXPECT_EQ(handBack.photo, c.handed);
        EXPECT_EQ(handBack.photoIndex, c.handed - 1);
        EXPECT_EQ(handBack.yearCaption, SlideYearCaption(rig.catalogue, c.handed));
        EXPECT_EQ(show.screen().photoIndex, c.handed - 1);
        EXPECT_FALSE(show.screen().slideShowDirty);
        EXPECT_FALSE(rig.timer.armed());
    }
}

TEST(SlideShowExit, AfterBeginningTheCaptionIsTheYearWithoutBlank) {
    ShowRig rig(DesignCatalogue());
    SlideShow& show = rig.open(100);
    show.beginning();
    const HandBack handBack = show.exitToMainWindow("1977");
    EXPECT_EQ(handBack.yearCaption, "1964");
    EXPECT_EQ(handBack.focusButton, 2);
    EXPECT_EQ(handBack.yearButtonIndex, 1);
}

TEST(SlideShowExit, NothingChosenInTheMainWindowOnlyRefreshesIt) {
    ShowRig rig(DesignCatalogue());
    SlideShow& show = rig.open(12);
    show.forward();
    const HandBack handBack = show.exitToMainWindow("panYear");
    EXPECT_EQ(handBack.kind, HandBack::Kind::RefreshOnly);
    EXPECT_EQ(handBack.photoIndex, 13);
}

TEST(SlideShowExit, TheShowIsOverAfterEitherExit) {
    ShowRig rig(DesignCatalogue());
    SlideShow& show = rig.open(12, true);
    show.play();
    rig.run(2000);
    const SlideShowClosing closing = show.close();
    EXPECT_EQ(closing.photoIndex, 15);  // the show's last value: the next photo to show
    EXPECT_TRUE(closing.playPressed);
    const std::size_t loads = rig.view.loads.size();
    show.forward();
    show.play();
    rig.run(5000);
    EXPECT_EQ(rig.view.loads.size(), loads);
    EXPECT_TRUE(show.left());
    EXPECT_EQ(show.exitToMainWindow("1965").kind, HandBack::Kind::RefreshOnly);
}

}  // namespace
}  // namespace velocarta
