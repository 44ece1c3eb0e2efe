#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <set>
#include <stdexcept>

#include "riff_reader.h"
#include "sampledisc/avi_writer.h"
#include "sampledisc/sounds.h"
#include "sampledisc/wav_writer.h"

namespace velocarta::sampledisc {
namespace {

using testing::Le16;
using testing::Le32;
using testing::ReadRiff;

TEST(WavWriter, WritesCanonicalPcm) {
    PcmSound sound;
    sound.sampleRate = 11025;
    sound.channels = 2;
    sound.samples = {1, -1, 32767, -32768, 5, 7};
    const std::string wav = WriteWav(sound);
    ASSERT_EQ(wav.size(), 44U + 12U);
    const auto riff = ReadRiff(wav);
    ASSERT_TRUE(riff);
    EXPECT_EQ(riff->form, "WAVE");
    const auto* fmt = riff->find("fmt ");
    const auto* data = riff->find("data");
    ASSERT_TRUE(fmt && data);
    EXPECT_EQ(fmt->data.size(), 16U);
    EXPECT_EQ(Le16(fmt->data, 0), 1);       // PCM
    EXPECT_EQ(Le16(fmt->data, 2), 2);       // channels
    EXPECT_EQ(Le32(fmt->data, 4), 11025U);  // rate
    EXPECT_EQ(Le32(fmt->data, 8), 44100U);  // bytes a second
    EXPECT_EQ(Le16(fmt->data, 12), 4);      // block
    EXPECT_EQ(Le16(fmt->data, 14), 16);     // bits
    ASSERT_EQ(data->data.size(), 12U);
    EXPECT_EQ(static_cast<std::int16_t>(Le16(data->data, 6)), -32768);
}

MjpegMovie SmallMovie(int frames, int samples) {
    MjpegMovie movie;
    movie.width = 32;
    movie.height = 24;
    movie.framesPerSecond = 10;
    for (int k = 0; k < frames; ++k) {
        // Odd lengths exercise the padding of chunks.
        movie.frames.push_back(std::string("\xFF\xD8", 2) +
                               std::string(static_cast<std::size_t>(k), 'x') + "\xFF\xD9");
    }
    movie.sound.sampleRate = 1000;
    for (int s = 0; s < samples; ++s) {
        movie.sound.samples.push_back(static_cast<std::int16_t>(s));
    }
    return movie;
}

TEST(AviWriter, HeadersDescribeMotionJpegWithPcm) {
    const std::string avi = WriteAvi(SmallMovie(5, 500));
    const auto riff = ReadRiff(avi);
    ASSERT_TRUE(riff) << "chunk sizes must add up";
    EXPECT_EQ(riff->form, "AVI ");
    const auto* hdrl = riff->find("LIST", "hdrl");
    ASSERT_TRUE(hdrl);
    const auto* avih = hdrl->find("avih");
    ASSERT_TRUE(avih);
    ASSERT_EQ(avih->data.size(), 56U);
    EXPECT_EQ(Le32(avih->data, 0), 100000U);           // microseconds a frame
    EXPECT_EQ(Le32(avih->data, 12) & 0x110U, 0x110U);  // has index, interleaved
    EXPECT_EQ(Le32(avih->data, 16), 5U);
    EXPECT_EQ(Le32(avih->data, 24), 2U);
    EXPECT_EQ(Le32(avih->data, 32), 32U);
    EXPECT_EQ(Le32(avih->data, 36), 24U);

    const auto streams = hdrl->all("LIST", "strl");
    ASSERT_EQ(streams.size(), 2U);
    const auto* video = streams[0]->find("strh");
    ASSERT_TRUE(video);
    EXPECT_EQ(video->data.substr(0, 8), "vidsMJPG");
    EXPECT_EQ(Le32(video->data, 24), 10U);  // rate / scale = 10 frames a second
    EXPECT_EQ(Le32(video->data, 32), 5U);   // length in frames
    const auto* bitmap = streams[0]->find("strf");
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->data.substr(16, 4), "MJPG");
    const auto* audio = streams[1]->find("strh");
    ASSERT_TRUE(audio);
    EXPECT_EQ(audio->data.substr(0, 4), "auds");
    EXPECT_EQ(Le32(audio->data, 20), 2U);     // scale: one block
    EXPECT_EQ(Le32(audio->data, 24), 2000U);  // rate: bytes a second
    EXPECT_EQ(Le32(audio->data, 32), 500U);   // length in samples
    const auto* wave = streams[1]->find("strf");
    ASSERT_TRUE(wave);
    EXPECT_EQ(Le16(wave->data, 0), 1);
    EXPECT_EQ(Le32(wave->data, 4), 1000U);
}

TEST(AviWriter, InterleavesEveryFrameWithItsSoundAndIndexesBoth) {
    const std::string avi = WriteAvi(SmallMovie(5, 503));
    const auto riff = ReadRiff(avi);
    ASSERT_TRUE(riff);
    const auto* movi = riff->find("LIST", "movi");
    const auto* idx1 = riff->find("idx1");
    ASSERT_TRUE(movi && idx1);
    ASSERT_EQ(movi->children.size(), 10U);
    std::size_t soundBytes = 0;
    for (std::size_t k = 0; k < movi->children.size(); ++k) {
        const auto& chunk = movi->children[k];
        EXPECT_EQ(chunk.id, k % 2 == 0 ? "00dc" : "01wb");
        if (chunk.id == "00dc") {
            EXPECT_EQ(chunk.data.substr(0, 2), "\xFF\xD8");
            EXPECT_EQ(chunk.data.size(), k / 2 + 4);
        } else {
            soundBytes += chunk.data.size();
            EXPECT_NEAR(static_cast<double>(chunk.data.size()), 503.0 / 5 * 2, 2.0);
        }
    }
    EXPECT_EQ(soundBytes, 503U * 2) << "no sample lost or repeated";
    // Each index entry names its chunk, counted from the "movi" code.
    ASSERT_EQ(idx1->data.size(), 10U * 16);
    const std::size_t moviCode = movi->offset + 8;
    for (std::size_t e = 0; e < 10; ++e) {
        const std::string_view entry = idx1->data.substr(e * 16, 16);
        const std::size_t at = moviCode + Le32(entry, 8);
        EXPECT_EQ(avi.substr(at, 4), entry.substr(0, 4));
        EXPECT_EQ(Le32(avi, at + 4), Le32(entry, 12));
        EXPECT_EQ(Le32(entry, 4), 0x10U);  // key frame
    }
}

TEST(AviWriter, RefusesAMovieWithoutFrames) {
    EXPECT_THROW(WriteAvi(SmallMovie(0, 10)), std::invalid_argument);
}

TEST(Sounds, TwentySevenDistinctEffectsOfAboutASecond) {
    const auto effects = SoundEffects();
    ASSERT_EQ(effects.size(), 27U);
    std::set<std::vector<std::int16_t>> distinct;
    std::set<std::string_view> files;
    for (const SoundEffect& effect : effects) {
        SCOPED_TRACE(std::string(effect.file));
        const PcmSound sound = effect.make();
        EXPECT_EQ(sound.sampleRate, kSoundRate);
        EXPECT_EQ(sound.channels, 1);
        EXPECT_GE(sound.seconds(), 0.8);
        EXPECT_LE(sound.seconds(), 1.5);
        int peak = 0;
        double energy = 0;
        for (const std::int16_t s : sound.samples) {
            peak = std::max(peak, std::abs(static_cast<int>(s)));
            energy += static_cast<double>(s) * s;
        }
        EXPECT_GT(peak, 20000) << "loud enough";
        EXPECT_LT(peak, 32767) << "no clipping";
        EXPECT_GT(std::sqrt(energy / sound.samples.size()), 1000.0) << "not a click in silence";
        EXPECT_EQ(sound.samples.front(), 0) << "fades in";
        EXPECT_TRUE(distinct.insert(sound.samples).second);
        EXPECT_TRUE(files.insert(effect.file).second);
    }
    EXPECT_NE(StartupPassby().samples, SoundEffects()[18].make().samples);
    EXPECT_NEAR(StartupPassby().seconds(), 2.0, 0.01);
}

TEST(Sounds, MovieSoundtracksLastTheMovie) {
    const PcmSound track = MovieSoundtrack(3, 2.5);
    EXPECT_NEAR(track.seconds(), 2.5, 0.001);
    EXPECT_NE(track.samples, MovieSoundtrack(4, 2.5).samples);
    EXPECT_EQ(track.samples, MovieSoundtrack(3, 2.5).samples) << "the same on every run";
}

}  // namespace
}  // namespace velocarta::sampledisc
