#include <gtest/gtest.h>

#include <vector>

#include "slideshow/clock_texts.h"
#include "slideshow/delay_ring.h"
#include "slideshow/slide_captions.h"
#include "slideshow/slide_steps.h"

namespace velocarta {
namespace {

const std::vector<int> kRing{1000,  2000,  3000,  4000,  5000,  10000, 15000, 20000,
                             25000, 30000, 35000, 40000, 45000, 50000, 55000, 60000};

TEST(DelayRing, UpWalksTheWholeRingAndWrapsToOneSecond) {
    int delay = kOpeningPhotoDelay;
    for (std::size_t i = 1; i <= kRing.size(); ++i) {
        delay = StepPhotoDelay(delay, SpinDirection::Up);
        EXPECT_EQ(delay, kRing[i % kRing.size()]) << "step " << i;
    }
}

TEST(DelayRing, DownWalksTheWholeRingAndWrapsToSixtySeconds) {
    int delay = kOpeningPhotoDelay;
    for (std::size_t i = 1; i <= kRing.size(); ++i) {
        delay = StepPhotoDelay(delay, SpinDirection::Down);
        EXPECT_EQ(delay, kRing[(kRing.size() - i) % kRing.size()]) << "step " << i;
    }
}

TEST(DelayRing, ValuesOffTheRingStayWithinIt) {
    EXPECT_EQ(StepPhotoDelay(7000, SpinDirection::Up), 12000);
    EXPECT_EQ(StepPhotoDelay(7000, SpinDirection::Down), 2000);
    EXPECT_EQ(StepPhotoDelay(0, SpinDirection::Down), 1000);
    EXPECT_EQ(StepPhotoDelay(-400, SpinDirection::Up), 4600);
    EXPECT_EQ(StepPhotoDelay(90000, SpinDirection::Up), 60000);
    EXPECT_EQ(StepPhotoDelay(90000, SpinDirection::Down), 60000);
}

TEST(DelayRing, ReadOutsOfTheShowAndOfTheScreenSaverPanel) {
    EXPECT_EQ(kOpeningSlideDelayCaption, " 1 second");
    EXPECT_EQ(SlideDelayCaption(1000), "1 seconds");
    EXPECT_EQ(SlideDelayCaption(2000), "2 seconds");
    EXPECT_EQ(SlideDelayCaption(60000), "60 seconds");
    EXPECT_EQ(ScreenSaverDelayCaption(1000), "1 Seconds");
    EXPECT_EQ(ScreenSaverDelayCaption(15000), "15 Seconds");
    EXPECT_EQ(DelaySecondsText(15000), "15");
}

TEST(ClockTexts, TwelveHourTimeWithAmAndPm) {
    struct Case {
        int hour, minute, second;
        const char* text;
    };
    const Case cases[] = {
        {0, 5, 9, "12:05:09 am"},  {1, 0, 0, "01:00:00 am"},   {11, 59, 59, "11:59:59 am"},
        {12, 0, 0, "12:00:00 pm"}, {13, 7, 30, "01:07:30 pm"}, {23, 59, 59, "11:59:59 pm"},
    };
    for (const Case& c : cases) {
        CivilTime time;
        time.hour = c.hour;
        time.minute = c.minute;
        time.second = c.second;
        EXPECT_EQ(ClockTimeText(time), c.text);
    }
}

TEST(ClockTexts, DateWithTheUsersSeparatorAndTheFullWeekday) {
    CivilTime time;
    time.year = 2024;
    time.month = 3;
    time.day = 7;
    time.weekday = 4;
    EXPECT_EQ(ClockDateText(time, "/"), "03/07/24");
    EXPECT_EQ(ClockDateText(time, "."), "03.07.24");
    EXPECT_EQ(ClockDateText(time, "-"), "03-07-24");
    time.year = 2000;
    time.month = 12;
    time.day = 31;
    EXPECT_EQ(ClockDateText(time, "/"), "12/31/00");

    ClockLocale locale;
    EXPECT_EQ(ClockDayText(time, locale), "Thursday");
    time.weekday = 0;
    EXPECT_EQ(ClockDayText(time, locale), "Sunday");
    locale.weekdayNames[0] = "Sonntag";
    locale.dateSeparator = ".";
    const ClockTexts texts = FormatClock(time, locale);
    EXPECT_EQ(texts.day, "Sonntag");
    EXPECT_EQ(texts.date, "12.31.00");
    EXPECT_EQ(texts.time, "12:00:00 am");
}

TEST(SlideSteps, EveryResultNamesAPhotoOrIsZeroWithoutPhotos) {
    for (int count = 0; count <= 25; ++count) {
        for (int index = -1; index <= count + 2; ++index) {
            const int low = count == 0 ? 0 : 1;
            for (const int result :
                 {SlideForwardIndex(index, count), SlideBackwardIndex(index, count),
                  SlideJumpForwardIndex(index, count), SlideJumpBackwardIndex(index, count),
                  SlideMiddleIndex(count)}) {
                EXPECT_GE(result, low) << count << " " << index;
                EXPECT_LE(result, count) << count << " " << index;
            }
        }
    }
}

TEST(SlideSteps, MiddleRoundsHalvesToEven) {
    const std::vector<std::pair<int, int>> cases{{0, 0},     {1, 1},     {2, 1},    {3, 2},
                                                 {4, 2},     {5, 2},     {6, 3},    {7, 4},
                                                 {345, 172}, {344, 172}, {347, 174}};
    for (const auto& [count, middle] : cases) {
        EXPECT_EQ(SlideMiddleIndex(count), middle) << count;
    }
}

TEST(SlideSteps, PauseStepsBackToThePhotoOnShow) {
    EXPECT_EQ(PausedPhotoIndex(14, 345, true), 13);
    EXPECT_EQ(PausedPhotoIndex(346, 345, true), 345);
    EXPECT_EQ(PausedPhotoIndex(1, 345, true), 345);
    EXPECT_EQ(PausedPhotoIndex(1, 345, false), 0);
    EXPECT_EQ(PausedPhotoIndex(0, 345, true), 345);
    EXPECT_EQ(PausedPhotoIndex(5, 0, true), 0);
}

TEST(SlideCaptions, TheYearCaptionOfEachKindOfPhoto) {
    const PhotoCatalogue catalogue =
        PhotoCatalogue::FromNames("/cd", {"65A.JPG", "A0A.JPG", "PT002.JPG", "DR1.JPG", "VC1.JPG",
                                          "GB1.JPG", "GH1.JPG", "GL1.JPG", "QQ1.JPG"});
    struct Case {
        const char* file;
        const char* yearCaption;
        const char* jumpCaption;
    };
    const Case cases[] = {
        {"65A.JPG", "1965 ", "1965"},
        {"A0A.JPG", "2000", "2000"},
        {"PT002.JPG", "Early Vantrel Prototypes ", "Early Vantrel Prototypes "},
        {"DR1.JPG", "The Classic Dorran ", "The Classic Dorran "},
        {"VC1.JPG", "Vantrel Cookies ", "Vantrel Cookies "},
        {"GB1.JPG", "Lorin Vasse Art Print ", "Lorin Vasse Art Print "},
        {"GH1.JPG", "National Vantrel Museum Print ", "National Vantrel Museum Print "},
        {"GL1.JPG", "Edric Tamm Art Print ", "Edric Tamm Art Print "},
        // A code the disc does not know keeps the year rule.
        {"QQ1.JPG", "19QQ ", "19QQ "},
    };
    for (const Case& c : cases) {
        int k = 1;
        while (catalogue.fileName(k) != c.file) {
            ++k;
        }
        EXPECT_EQ(SlideYearCaption(catalogue, k), c.yearCaption);
        EXPECT_EQ(JumpCaption(catalogue, k), c.jumpCaption);
    }
    EXPECT_EQ(SlideYearCaption(catalogue, 0), "");
    EXPECT_EQ(SlideYearCaption(catalogue, 10), "");
    EXPECT_EQ(PhotoCounterText(12, 345), "12 of 345");
}

}  // namespace
}  // namespace velocarta
