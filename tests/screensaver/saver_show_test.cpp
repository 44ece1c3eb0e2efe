// The screen saver program's show: which photos, in which order, for how long, with a clock
// the test moves by hand.
#include <gtest/gtest.h>

#include <set>

#include "platform/posix/posix_file_system.h"
#include "screensaver/saver_show.h"
#include "support/fake_timing.h"
#include "support/temp_folder.h"

namespace velocarta {
namespace {

using namespace std::chrono_literals;
using testing::FakeClock;
using testing::FakeDeadlineTimer;

TEST(SaverPhotoOrder, IsTheCataloguesOrderOfJpegFiles) {
    EXPECT_EQ(SaverPhotoOrder({"a0a.jpg", "99B.JPG", "65a.Jpg", "PT002.JPG", "64A.JPG", "notes.txt",
                               "99a.jpg", ".jpg", "66A.jpeg"}),
              (std::vector<std::string>{"64A.JPG", "65a.Jpg", "99a.jpg", "99B.JPG", "a0a.jpg",
                                        "PT002.JPG"}));
}

TEST(ListSaverPhotos, GivesHostPathsAndNothingForAMissingFolder) {
    const testing::TempFolder folder;
    folder.writeFile("/ssvantrels/66A.JPG");
    folder.writeFile("/ssvantrels/64a.jpg");
    folder.writeFile("/ssvantrels/readme.txt");
    PosixFileSystem fileSystem;
    const std::string root = folder.path();
    EXPECT_EQ(
        ListSaverPhotos(fileSystem, root + "/ssvantrels/"),
        (std::vector<std::string>{root + "/ssvantrels/64a.jpg", root + "/ssvantrels/66A.JPG"}));
    EXPECT_EQ(ListSaverPhotos(fileSystem, root + "/ssvantrels"),
              ListSaverPhotos(fileSystem, root + "/ssvantrels///"));
    EXPECT_TRUE(ListSaverPhotos(fileSystem, root + "/missing/").empty());
    EXPECT_TRUE(ListSaverPhotos(fileSystem, "").empty());
}

TEST(SaverSettings, AreReadFromTheSettingsFileWithTheCommandLineOnTop) {
    const SaverSettings read =
        ReadSaverSettings("[Vantrel2000]\nVantrelPath=/p/ssvantrels/\nInterval=15\n");
    EXPECT_EQ(read.photoFolder, "/p/ssvantrels/");
    EXPECT_EQ(read.intervalSeconds, 15);
    EXPECT_EQ(ReadSaverSettings("").intervalSeconds, kDefaultSaverIntervalSeconds);
    EXPECT_EQ(ReadSaverSettings("").photoFolder, "");
    for (const char* bad : {"0", "-3", "ten", "5s", ""}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(ReadSaverSettings(std::string("[Vantrel2000]\nInterval=") + bad).intervalSeconds,
                  kDefaultSaverIntervalSeconds);
    }
    EXPECT_EQ(ReadSaverSettings("[Vantrel2000]\nInterval=99999999999").intervalSeconds, 3600);
    EXPECT_EQ(ReadSaverSettings("[Vantrel2000]\nInterval=7200").intervalSeconds, 3600);

    SaverOptions options;
    options.photoFolder = "/elsewhere/";
    options.intervalSeconds = 2;
    const SaverSettings applied = ApplySaverOptions(read, options);
    EXPECT_EQ(applied.photoFolder, "/elsewhere/");
    EXPECT_EQ(applied.intervalSeconds, 2);
    EXPECT_EQ(ApplySaverOptions(read, SaverOptions{}).photoFolder, "/p/ssvantrels/");
}

// A show on a fake clock: what was put on the screen, and when (ms from the start).
class Show : public ::testing::Test {
  protected:
    SaverShow& make(std::chrono::milliseconds interval = 3000ms) {
        show_ = std::make_unique<SaverShow>(
            [this] {
                ++listings;
                return folder;
            },
            [this](const std::string& path) {
                if (unreadable.count(path) != 0) {
                    return false;
                }
                shown.emplace_back(path, clock.elapsedMs());
                return true;
            },
            interval, clock, timer);
        return *show_;
    }

    std::vector<std::string> folder{"/s/64A.JPG", "/s/65A.JPG", "/s/66A.JPG"};
    std::set<std::string> unreadable;
    std::vector<std::pair<std::string, long long>> shown;
    int listings = 0;
    FakeClock clock;
    FakeDeadlineTimer timer{clock};

  private:
    std::unique_ptr<SaverShow> show_;
};

using Shown = std::vector<std::pair<std::string, long long>>;

TEST_F(Show, EachPhotoStaysForTheIntervalRoundAfterRound) {
    make().start();
    timer.runUntil(clock.start() + 10s);
    EXPECT_EQ(
        shown,
        (Shown{
            {"/s/64A.JPG", 0}, {"/s/65A.JPG", 3000}, {"/s/66A.JPG", 6000}, {"/s/64A.JPG", 9000}}));
    EXPECT_EQ(listings, 2);
}

TEST_F(Show, ALateTimerDoesNotShiftThePhotosAfterIt) {
    make().start();
    timer.runUntil(clock.start() + 10s, 400ms);
    EXPECT_EQ(
        shown,
        (Shown{
            {"/s/64A.JPG", 0}, {"/s/65A.JPG", 3400}, {"/s/66A.JPG", 6400}, {"/s/64A.JPG", 9400}}));
    EXPECT_EQ(timer.deadline() - clock.start(), 12s);
}

TEST_F(Show, AfterALongPauseTheRhythmStartsAgainFromTheResume) {
    make().start();
    clock.advance(20s);  // the machine slept
    timer.fireEarly();
    EXPECT_EQ(shown.back(), (std::pair<std::string, long long>{"/s/65A.JPG", 20000}));
    EXPECT_EQ(timer.deadline() - clock.start(), 23s);
}

TEST_F(Show, ChangesOfTheFolderAreSeenAtTheNextRound) {
    make().start();
    folder = {"/s/99A.JPG"};
    timer.runUntil(clock.start() + 12s);
    // The round that began goes on with what it listed.
    EXPECT_EQ(shown, (Shown{{"/s/64A.JPG", 0},
                            {"/s/65A.JPG", 3000},
                            {"/s/66A.JPG", 6000},
                            {"/s/99A.JPG", 9000},
                            {"/s/99A.JPG", 12000}}));
}

TEST_F(Show, AnUnreadablePhotoIsPassedOverWithoutAWait) {
    unreadable = {"/s/65A.JPG"};
    make().start();
    timer.runUntil(clock.start() + 6s);
    EXPECT_EQ(shown, (Shown{{"/s/64A.JPG", 0}, {"/s/66A.JPG", 3000}, {"/s/64A.JPG", 6000}}));
}

TEST_F(Show, WithNoPhotoTheEmptyScreenStaysAndTheFolderIsWatched) {
    folder.clear();
    SaverShow& show = make(1000ms);
    show.start();
    timer.runUntil(clock.start() + 2500ms);
    EXPECT_EQ(shown, (Shown{{"", 0}}));  // put up once, not again every second
    EXPECT_EQ(show.onShow(), "");
    EXPECT_EQ(listings, 3);
    folder = {"/s/64A.JPG"};
    timer.runUntil(clock.start() + 3000ms);
    EXPECT_EQ(shown.back(), (std::pair<std::string, long long>{"/s/64A.JPG", 3000}));
    // Every photo unreadable: the empty screen again, without looping.
    unreadable = {"/s/64A.JPG"};
    timer.runUntil(clock.start() + 4000ms);
    EXPECT_EQ(shown.back(), (std::pair<std::string, long long>{"", 4000}));
}

TEST_F(Show, OnePhotoIsShownAgainEveryInterval) {
    folder = {"/s/73A.JPG"};
    make(60s).start();
    timer.runUntil(clock.start() + 120s);
    EXPECT_EQ(shown, (Shown{{"/s/73A.JPG", 0}, {"/s/73A.JPG", 60000}, {"/s/73A.JPG", 120000}}));
}

}  // namespace
}  // namespace velocarta
