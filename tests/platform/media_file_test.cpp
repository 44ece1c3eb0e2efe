#include "platform/media_file.h"

#include <gtest/gtest.h>

#include <sstream>

#include "media_samples.h"
#include "sampledisc/wav_writer.h"

namespace velocarta {
namespace {

using testing::MjpegAvi;
using testing::Overwritten;
using testing::Replaced;
using testing::ToneWav;

MediaFacts Inspect(const std::string& bytes, DeviceType type) {
    std::istringstream in(bytes);
    return InspectMediaFile(in, type);
}

std::string ProblemOf(const std::string& bytes, DeviceType type) {
    try {
        Inspect(bytes, type);
        return "no problem";
    } catch (const MediaFileProblem& problem) {
        return problem.what();
    }
}

// Frames are not decoded here: any bytes do.
const std::string kMovie = MjpegAvi({"first frame", "second frame", "third"});
const std::string kSound = ToneWav(0.5);  // 44 bytes of headers, 22050 of sound

TEST(InspectMediaFile, ReadsWhatASoundAndAMovieDeclare) {
    const MediaFacts sound = Inspect(kSound, DeviceType::WaveAudio);
    EXPECT_TRUE(sound.hasAudio);
    EXPECT_EQ(sound.audioFormat, 1);
    EXPECT_FALSE(sound.hasVideo);

    const MediaFacts movie = Inspect(kMovie, DeviceType::AVIVideo);
    EXPECT_TRUE(movie.hasVideo);
    EXPECT_EQ(movie.videoCodec, "MJPG");
    EXPECT_EQ(movie.width, 160);
    EXPECT_EQ(movie.height, 120);
    EXPECT_TRUE(movie.hasAudio);
    EXPECT_EQ(movie.audioFormat, 1);

    EXPECT_EQ(Inspect(Replaced(kMovie, "MJPG", "VQZ9"), DeviceType::AVIVideo).videoCodec, "VQZ9");
    const std::size_t compression = kMovie.find("strf") + 8 + 16;
    EXPECT_EQ(Inspect(Overwritten(kMovie, compression, 4, '\0'), DeviceType::AVIVideo).videoCodec,
              "DIB ");
}

TEST(InspectMediaFile, ToleratesAMissingPadByteAtTheEnd) {
    // An odd-sized last chunk whose pad byte the writer left out: the file is one byte
    // shorter than its RIFF header says.
    std::string sound = ToneWav(0.5);
    sound += "LIST";
    sound += std::string("\x03\0\0\0", 4) + "abc";
    const auto riffSize = static_cast<std::uint32_t>(sound.size() + 1 - 8);
    for (int i = 0; i < 4; ++i) {
        sound[4 + i] = static_cast<char>((riffSize >> (8 * i)) & 0xff);
    }
    EXPECT_TRUE(Inspect(sound, DeviceType::WaveAudio).hasAudio);
    EXPECT_EQ(ProblemOf(sound.substr(0, sound.size() - 1), DeviceType::WaveAudio),
              "it is incomplete (the file ends after 22104 of its 22106 bytes)");
}

TEST(InspectMediaFile, SaysWhatIsWrongWithABadFile) {
    const std::string silence = sampledisc::WriteWav(sampledisc::PcmSound{});
    const std::string movieSize = std::to_string(kMovie.size());
    // The sound chunk claims more bytes than the file holds, its RIFF header does not.
    const std::string soundCutAfterHeaders = Overwritten(kSound, 40, 4, '\x7f');
    const struct {
        const char* what;
        std::string bytes;
        DeviceType type;
        std::string problem;
    } cases[] = {
        {"empty", "", DeviceType::WaveAudio, "the file is empty"},
        {"text", "Dear Sir, this is a letter.\n", DeviceType::WaveAudio,
         "it is not a WAV sound file"},
        {"movie as a sound", kMovie, DeviceType::WaveAudio, "it is not a WAV sound file"},
        {"sound as a movie", kSound, DeviceType::AVIVideo, "it is not an AVI movie file"},
        {"sound cut in half", kSound.substr(0, 11047), DeviceType::WaveAudio,
         "it is incomplete (the file ends after 11047 of its 22094 bytes)"},
        {"sound cut in its headers", kSound.substr(0, 30), DeviceType::WaveAudio,
         "it is incomplete (the file ends after 30 of its 22094 bytes)"},
        {"sound chunk longer than the file", soundCutAfterHeaders, DeviceType::WaveAudio,
         "it is incomplete (the file ends after 22094 of its 2139062187 bytes)"},
        {"sound without its format", Replaced(kSound, "fmt ", "junk"), DeviceType::WaveAudio,
         "it is damaged (its sound format is missing)"},
        {"sound of no channels", Overwritten(kSound, 22, 2, '\0'), DeviceType::WaveAudio,
         "it is damaged (its sound format is unreadable)"},
        {"sound of no samples", silence, DeviceType::WaveAudio, "it holds no sound"},
        {"sound headers overwritten", Overwritten(kSound, 12, 8, '\xff'), DeviceType::WaveAudio,
         "it is damaged (its headers are scrambled)"},
        {"movie cut short", kMovie.substr(0, 300), DeviceType::AVIVideo,
         "it is incomplete (the file ends after 300 of its " + movieSize + " bytes)"},
        {"movie cut before its index", kMovie.substr(0, kMovie.find("idx1")), DeviceType::AVIVideo,
         "it is incomplete (the file ends after " + std::to_string(kMovie.find("idx1")) +
             " of its " + movieSize + " bytes)"},
        {"movie headers overwritten", Overwritten(kMovie, 100, 400, '\xff'), DeviceType::AVIVideo,
         "it is damaged (its headers are scrambled)"},
        {"movie without headers", Replaced(kMovie, "hdrl", "xxxx"), DeviceType::AVIVideo,
         "it is damaged (its headers are missing)"},
        {"movie without frames", Replaced(kMovie, "movi", "xxxx"), DeviceType::AVIVideo,
         "it is damaged (its frames are missing)"},
        {"movie without a stream header", Replaced(kMovie, "strh", "xxxx"), DeviceType::AVIVideo,
         "it is damaged (a stream header is missing)"},
        {"movie of unknown streams", Replaced(Replaced(kMovie, "vids", "txts"), "auds", "midi"),
         DeviceType::AVIVideo, "it is damaged (it declares neither pictures nor sound)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ProblemOf(c.bytes, c.type), c.problem) << c.what;
    }
}

TEST(MediaNames, UnknownCodesAreShownInHex) {
    EXPECT_EQ(CodecName("MJPG"), "MJPG");
    EXPECT_EQ(CodecName("IV5 "), "IV5");
    EXPECT_EQ(CodecName("DIB "), "uncompressed");
    EXPECT_EQ(CodecName(std::string("\x01\0\0\0", 4)), "0x00000001");
    EXPECT_EQ(AudioFormatName(1), "PCM");
    EXPECT_EQ(AudioFormatName(0x7777), "format 0x7777");
}

TEST(CannotPlayMessage, NamesTheKindTheFileAndTheReasonAsOneSentence) {
    EXPECT_EQ(CannotPlayMessage(DeviceType::WaveAudio, "/disc/wav/taxi.wav", "it holds no sound"),
              "The sound \"/disc/wav/taxi.wav\" cannot be played: it holds no sound.");
    EXPECT_EQ(CannotPlayMessage(DeviceType::AVIVideo, "/m/1966.avi",
                                "Could not determine type of stream."),
              "The movie \"/m/1966.avi\" cannot be played: Could not determine type of stream.");
}

}  // namespace
}  // namespace velocarta
