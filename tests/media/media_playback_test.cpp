// The movie window and the sound panel on the real multimedia device, as on a machine with
// no sound server and no sound card: real files, real frames, real errors.
#include <QImage>

#include "media_fixture.h"
#include "platform/colour_frames.h"
#include "platform/media_samples.h"
#include "platform/qt/qt_media_device.h"
#include "platform/qt/video_surface.h"

namespace velocarta::testing {
namespace {

// Generous: the sanitizer build on a busy machine is slow.
constexpr int kPatience = 20000;

class MediaPlaybackTest : public MediaWindowTest {
  protected:
    MediaPlaybackTest() {
        harness.mainDeviceInUse = &soundDevice;
        harness.movieDeviceInUse = &movieDevice;
    }
    // The windows go before the devices they use.
    void TearDown() override { harness.windows.reset(); }

    void writeMedia() override {
        const std::string movie = TrafficLightMovie();
        harness.disc.writeFile("/movies/ComingApril17.avi", movie);
        harness.disc.writeFile("/movies/Kite1.avi", movie);
        harness.disc.writeFile("/movies/TheUnexpected.avi", movie.substr(0, movie.size() / 2));
        harness.disc.writeFile("/movies/65-2+2.avi", "Dear Sir,\nthis is no movie.\n");
        harness.disc.writeFile("/movies/1966.avi", Replaced(movie, "MJPG", "VQZ9"));
        const std::string sound = ToneWav(0.5);
        harness.disc.writeFile("/WAV/backfrng.wav", sound);
        harness.disc.writeFile("/WAV/car_door.wav", "Dear Sir,\n");
        harness.disc.writeFile("/WAV/carhorns.wav", sound.substr(0, 5000));
    }

    char showing() { return ColourOf(movieControl("PicMovie")->grab().toImage()); }
    bool playOffered() { return movieControl("Play")->isEnabled(); }

    QtMediaDevice soundDevice;
    QtMediaDevice movieDevice;
};

TEST_F(MediaPlaybackTest, TheMovieIsDrawnInThePictureBoxAndPlaysToItsEnd) {
    openMovieWindow();
    VideoSurface* surface = movieControl("PicMovie")->findChild<VideoSurface*>();
    ASSERT_NE(surface, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return showing() == 'r'; }, kPatience));

    std::string colours;
    int frames = 0;
    QObject::connect(surface, &VideoSurface::frameShown, surface, [&] {
        ++frames;
        const char colour = ColourOf(surface->frame().toImage());
        if (colours.empty() || colours.back() != colour) {
            colours += colour;
        }
    });
    Click(movieControl("Play"));
    EXPECT_FALSE(playOffered());
    ASSERT_TRUE(QTest::qWaitFor([&] { return playOffered(); }, kPatience));
    EXPECT_EQ(colours, "rgb");
    EXPECT_GE(frames, 3);
    EXPECT_EQ(showing(), 'b');  // the last frame stays
    EXPECT_EQ(boxes(), 0u);
}

TEST_F(MediaPlaybackTest, BadMoviesGiveTheirReasonAndTheWindowStaysUsable) {
    openMovieWindow();
    const struct {
        int option;
        const char* reason;
    } bad[] = {
        {1, "it is incomplete ("},
        {2, "it is not an AVI movie file."},
        {3, "the video codec VQZ9 is not installed."},
    };
    for (const auto& movie : bad) {
        const std::size_t before = boxes();
        chooseMovie(movie.option);
        ASSERT_EQ(boxes(), before + 1) << movie.option;
        EXPECT_EQ(lastCode(), "ER045");
        EXPECT_NE(lastText().find(movie.reason), std::string::npos) << lastText();
        EXPECT_FALSE(movieControl("MMControl1")->isVisible());
        EXPECT_EQ(movieControl("PicMovie")->findChild<VideoSurface*>(), nullptr);
    }
    chooseMovie(7);
    EXPECT_EQ(boxes(), 3u);
    EXPECT_TRUE(QTest::qWaitFor([&] { return showing() == 'r'; }, kPatience));
    EXPECT_TRUE(playOffered());
}

TEST_F(MediaPlaybackTest, ASoundPlaysToItsEndAndBadOnesGiveTheirReason) {
    choose("mnuSound");
    pressSound(0);
    EXPECT_TRUE(soundDevice.isPlaying());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !soundDevice.isPlaying(); }, kPatience));
    EXPECT_EQ(soundDevice.mode(), DeviceMode::Stopped);
    EXPECT_EQ(boxes(), 0u);

    const struct {
        int index;
        const char* reason;
    } bad[] = {{1, "it is not a WAV sound file."}, {2, "it is incomplete ("}};
    for (const auto& sound : bad) {
        pressSound(sound.index);
        EXPECT_EQ(lastCode(), "ER038");
        EXPECT_NE(lastText().find(sound.reason), std::string::npos) << lastText();
        EXPECT_FALSE(soundDevice.isPlaying());
    }
    EXPECT_EQ(boxes(), 2u);
    EXPECT_TRUE(soundPanel()->isVisible());
}

}  // namespace
}  // namespace velocarta::testing
