#include "platform/qt/qt_media_device.h"

#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QImage>
#include <QMediaDevices>
#include <QTest>
#include <QWidget>

#include "colour_frames.h"
#include "media_samples.h"
#include "platform/qt/video_surface.h"
#include "support/temp_folder.h"

namespace velocarta {
namespace {

using testing::ColourOf;
using testing::Overwritten;
using testing::Replaced;
using testing::TempFolder;
using testing::ToneWav;
using testing::TrafficLightMovie;

// Generous: the sanitizer build on a busy machine is slow. Nothing here waits this long
// unless it fails.
constexpr int kPatience = 20000;

char Showing(QWidget& window) {
    return ColourOf(window.grab().toImage());
}

// The colours of the frames drawn on a surface, in order, one letter each time it changes.
struct FrameLog {
    explicit FrameLog(VideoSurface* surface) {
        QObject::connect(surface, &VideoSurface::frameShown, surface, [this, surface] {
            ++shown;
            const char colour = ColourOf(surface->frame().toImage());
            if (colours.empty() || colours.back() != colour) {
                colours += colour;
            }
        });
    }
    int shown = 0;
    std::string colours;
};

class QtMediaDeviceTest : public ::testing::Test {
  protected:
    QtMediaDeviceTest() {
        device.setModeListener([this](DeviceMode mode, const std::string& failure) {
            heard.push_back(mode);
            failures.push_back(failure);
        });
        display.resize(240, 180);
        display.show();
    }

    void open(DeviceType type, const std::string& path) {
        device.setDeviceType(type);
        device.setFileName(path);
        device.open();
    }
    bool waitForEnd(std::size_t ends = 1) {
        return QTest::qWaitFor([&] { return heard.size() >= ends; }, kPatience);
    }

    TempFolder folder;
    const std::string movie = folder.writeFile("/traffic.avi", TrafficLightMovie());
    const std::string sound = folder.writeFile("/tone.wav", ToneWav(0.5));
    QWidget display;
    QtMediaDevice device;
    std::vector<DeviceMode> heard;
    std::vector<std::string> failures;
};

TEST(MediaTestEnvironment, HasNoSoundServerAndNoSoundCard) {
    // What CI offers; the tests below play for real all the same.
    EXPECT_TRUE(QMediaDevices::audioOutputs().isEmpty());
}

TEST_F(QtMediaDeviceTest, ASoundPlaysToItsEnd) {
    open(DeviceType::WaveAudio, sound);
    EXPECT_EQ(device.mode(), DeviceMode::Stopped);
    EXPECT_EQ(device.surface(), nullptr);
    device.play();
    EXPECT_TRUE(device.isPlaying());
    ASSERT_TRUE(waitForEnd());
    EXPECT_EQ(heard, std::vector<DeviceMode>{DeviceMode::Stopped});
    EXPECT_EQ(failures, std::vector<std::string>{""});
    EXPECT_EQ(device.mode(), DeviceMode::Stopped);
}

TEST_F(QtMediaDeviceTest, AMovieShowsItsFirstFrameAtOpenAndPlaysInTheDisplayWindow) {
    device.setDisplayWindow(&display);
    open(DeviceType::AVIVideo, movie);
    VideoSurface* surface = display.findChild<VideoSurface*>();
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(surface, device.surface());
    EXPECT_EQ(surface->geometry(), display.contentsRect());
    EXPECT_TRUE(QTest::qWaitFor([&] { return Showing(display) == 'r'; }, kPatience));

    FrameLog log(surface);
    device.play();
    ASSERT_TRUE(waitForEnd());
    EXPECT_EQ(failures, std::vector<std::string>{""});
    EXPECT_EQ(log.colours, "rgb");
    EXPECT_GE(log.shown, 3);
    EXPECT_EQ(Showing(display), 'b');  // the last frame stays

    // The picture follows the window and stays inside its frame.
    display.setContentsMargins(2, 2, 2, 2);
    display.resize(320, 200);
    EXPECT_EQ(surface->geometry(), QRect(2, 2, 316, 196));
}

TEST_F(QtMediaDeviceTest, StopAndPrevRewindSoThatPlayStartsAtTheFirstFrame) {
    device.setDisplayWindow(&display);
    open(DeviceType::AVIVideo, movie);
    FrameLog log(device.surface());
    device.play();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Showing(display) == 'g'; }, kPatience));
    device.stop();
    EXPECT_EQ(device.mode(), DeviceMode::Stopped);
    device.prev();
    EXPECT_TRUE(QTest::qWaitFor([&] { return Showing(display) == 'r'; }, kPatience));

    log.colours.clear();
    device.play();
    ASSERT_TRUE(waitForEnd());
    EXPECT_EQ(log.colours.substr(0, 1), "r");
    EXPECT_EQ(log.colours.substr(log.colours.size() - 2), "gb");

    // After the end, play starts again from the beginning.
    log.colours.clear();
    device.play();
    ASSERT_TRUE(waitForEnd(2));
    EXPECT_EQ(log.colours, "rgb");
}

TEST_F(QtMediaDeviceTest, CloseEndsWhateverIsOpen) {
    device.setDisplayWindow(&display);
    open(DeviceType::AVIVideo, movie);
    device.play();
    device.close();
    EXPECT_EQ(device.mode(), DeviceMode::NotOpen);
    EXPECT_EQ(display.findChild<VideoSurface*>(), nullptr);
    EXPECT_THROW(device.play(), MediaError);
    EXPECT_NO_THROW(device.stop());
    EXPECT_NO_THROW(device.prev());
    EXPECT_NO_THROW(device.pause());
    EXPECT_NO_THROW(device.close());

    open(DeviceType::WaveAudio, sound);
    device.play();
    device.close();
    EXPECT_FALSE(device.isPlaying());
    // The closed sound's end is not reported.
    open(DeviceType::WaveAudio, sound);
    device.play();
    ASSERT_TRUE(waitForEnd());
    EXPECT_EQ(heard.size(), 1u);
}

TEST_F(QtMediaDeviceTest, OpeningASecondFileClosesTheFirst) {
    device.setDisplayWindow(&display);
    open(DeviceType::AVIVideo, movie);
    device.play();
    open(DeviceType::WaveAudio, sound);
    EXPECT_EQ(display.findChild<VideoSurface*>(), nullptr);
    EXPECT_EQ(device.mode(), DeviceMode::Stopped);
    device.play();
    ASSERT_TRUE(waitForEnd());
    EXPECT_EQ(heard.size(), 1u);
}

TEST_F(QtMediaDeviceTest, AMovieWithoutADisplayWindowPlaysInAWindowOfItsOwn) {
    open(DeviceType::AVIVideo, movie);
    EXPECT_EQ(device.surface(), nullptr);  // nothing shows before it plays
    device.play();
    QPointer<VideoSurface> own = device.surface();
    ASSERT_NE(own, nullptr);
    EXPECT_TRUE(own->isWindow());
    EXPECT_TRUE(own->isVisible());
    EXPECT_EQ(own->windowTitle(), QStringLiteral("traffic.avi"));
    EXPECT_EQ(own->size(), QSize(160, 120));
    FrameLog log(own);
    EXPECT_TRUE(QTest::qWaitFor([&] { return log.shown > 0; }, kPatience));

    // Closing that window stops the movie.
    own->close();
    EXPECT_EQ(device.mode(), DeviceMode::Stopped);
    ASSERT_TRUE(waitForEnd());

    // A display window set while the movie is open takes the picture over.
    device.setDisplayWindow(&display);
    EXPECT_TRUE(own.isNull());
    ASSERT_NE(display.findChild<VideoSurface*>(), nullptr);
    EXPECT_EQ(display.findChild<VideoSurface*>(), device.surface());
}

TEST_F(QtMediaDeviceTest, ABadFileFailsAtOpenWithAMessageAndClosesTheDevice) {
    const std::string wav = ToneWav(0.5);
    const std::string avi = TrafficLightMovie();
    const std::string formatOfSound = std::string("\x77\x77", 2);
    const std::string aviSoundFormat = "strf" + std::string("\x12\0\0\0\x01\0", 6);
    const std::string folderPath = folder.makeFolder("/a folder.wav");
    const struct {
        const char* name;
        DeviceType type;
        std::string bytes;  // empty: the file is not written
        std::string reason;
    } cases[] = {
        {"missing.wav", DeviceType::WaveAudio, "", "the file cannot be found."},
        {"letter.wav", DeviceType::WaveAudio, "Dear Sir,\n", "it is not a WAV sound file."},
        {"cut.wav", DeviceType::WaveAudio, wav.substr(0, 5000),
         "it is incomplete (the file ends after 5000 of its 22094 bytes)."},
        {"cut.avi", DeviceType::AVIVideo, avi.substr(0, avi.size() / 2), "it is incomplete ("},
        {"overwritten.avi", DeviceType::AVIVideo, Overwritten(avi, 100, 400, '\xff'),
         "it is damaged (its headers are scrambled)."},
        {"codec.avi", DeviceType::AVIVideo, Replaced(avi, "MJPG", "VQZ9"),
         "the video codec VQZ9 is not installed."},
        {"soundcodec.avi", DeviceType::AVIVideo,
         Replaced(avi, aviSoundFormat, "strf" + std::string("\x12\0\0\0\x77\x77", 6)),
         "its sound format (format 0x7777) is not supported."},
        // GStreamer's own reason, and what the file holds.
        {"nocodecs.avi", DeviceType::AVIVideo,
         Replaced(Replaced(avi, "MJPG", "VQZ9"), aviSoundFormat,
                  "strf" + std::string("\x12\0\0\0\x77\x77", 6)),
         "(video VQZ9, sound format 0x7777)."},
        {"format.wav", DeviceType::WaveAudio, Overwritten(wav, 20, 2, '\x77'),
         "(sound format 0x7777)."},
        {"bits.wav", DeviceType::WaveAudio, Overwritten(wav, 34, 2, '\0'), "(sound PCM)."},
    };
    for (const auto& c : cases) {
        // Whatever was open before goes.
        device.setDisplayWindow(&display);
        open(DeviceType::AVIVideo, movie);
        const std::string path = c.bytes.empty()
                                     ? folder.path() + "/" + c.name
                                     : folder.writeFile(std::string("/") + c.name, c.bytes);
        const std::string kind = c.type == DeviceType::WaveAudio ? "The sound" : "The movie";
        try {
            open(c.type, path);
            ADD_FAILURE() << c.name << " opened";
        } catch (const MediaError& error) {
            const std::string message = error.what();
            EXPECT_EQ(message.rfind(kind + " \"" + path + "\" cannot be played: ", 0), 0u)
                << message;
            EXPECT_NE(message.find(c.reason), std::string::npos) << message;
        }
        EXPECT_EQ(device.mode(), DeviceMode::NotOpen) << c.name;
        EXPECT_EQ(display.findChild<VideoSurface*>(), nullptr) << c.name;
    }
    device.setDeviceType(DeviceType::WaveAudio);
    device.setFileName(folderPath);
    EXPECT_THROW(device.open(), MediaError);
}

}  // namespace
}  // namespace velocarta
