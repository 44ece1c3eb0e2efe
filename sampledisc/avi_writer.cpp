#include "sampledisc/avi_writer.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>

#include "sampledisc/riff.h"

namespace velocarta::sampledisc {

namespace {

constexpr std::uint32_t kHasIndex = 0x10;
constexpr std::uint32_t kIsInterleaved = 0x100;
constexpr std::uint32_t kKeyFrame = 0x10;

struct IndexEntry {
    std::string id;
    std::uint32_t flags;
    std::uint32_t offset;
    std::uint32_t size;
};

void StreamHeader(RiffWriter& riff, std::string_view type, std::string_view handler,
                  std::uint32_t scale, std::uint32_t rate, std::uint32_t length,
                  std::uint32_t bufferSize, std::uint32_t sampleSize, int width, int height) {
    const std::size_t strh = riff.open("strh");
    riff.fourcc(type);
    if (handler.empty()) {
        riff.u32(0);
    } else {
        riff.fourcc(handler);
    }
    riff.u32(0);  // flags
    riff.u16(0);  // priority
    riff.u16(0);  // language
    riff.u32(0);  // initial frames
    riff.u32(scale);
    riff.u32(rate);
    riff.u32(0);  // start
    riff.u32(length);
    riff.u32(bufferSize);
    riff.i32(-1);  // quality: default
    riff.u32(sampleSize);
    riff.u16(0);
    riff.u16(0);
    riff.u16(static_cast<std::uint16_t>(width));
    riff.u16(static_cast<std::uint16_t>(height));
    riff.close(strh);
}

}  // namespace

std::string WriteAvi(const MjpegMovie& movie) {
    if (movie.frames.empty()) {
        throw std::invalid_argument("a movie needs at least one frame");
    }
    const auto frameCount = static_cast<std::uint32_t>(movie.frames.size());
    const auto blockAlign = static_cast<std::uint32_t>(movie.sound.channels * 2);
    const auto bytesPerSecond = static_cast<std::uint32_t>(movie.sound.sampleRate) * blockAlign;
    const std::size_t sampleFrames = movie.sound.samples.size() / movie.sound.channels;
    std::size_t largestFrame = 0;
    for (const std::string& frame : movie.frames) {
        largestFrame = std::max(largestFrame, frame.size());
    }
    // The sound of frame k covers the samples from k * total / frames to (k + 1) * ...
    auto soundStart = [&](std::size_t k) { return k * sampleFrames / frameCount; };
    const std::size_t largestSound = (soundStart(1) + 1) * blockAlign;

    RiffWriter riff;
    const std::size_t file = riff.open("RIFF", "AVI ");
    const std::size_t hdrl = riff.open("LIST", "hdrl");
    const std::size_t avih = riff.open("avih");
    riff.u32(static_cast<std::uint32_t>(1000000 / movie.framesPerSecond));
    riff.u32(static_cast<std::uint32_t>(largestFrame * movie.framesPerSecond) + bytesPerSecond);
    riff.u32(0);  // padding granularity
    riff.u32(kHasIndex | kIsInterleaved);
    riff.u32(frameCount);
    riff.u32(0);  // initial frames
    riff.u32(2);  // streams
    riff.u32(static_cast<std::uint32_t>(largestFrame + 8));
    riff.u32(static_cast<std::uint32_t>(movie.width));
    riff.u32(static_cast<std::uint32_t>(movie.height));
    for (int i = 0; i < 4; ++i) {
        riff.u32(0);
    }
    riff.close(avih);

    const std::size_t videoList = riff.open("LIST", "strl");
    StreamHeader(riff, "vids", "MJPG", 1, static_cast<std::uint32_t>(movie.framesPerSecond),
                 frameCount, static_cast<std::uint32_t>(largestFrame), 0, movie.width,
                 movie.height);
    const std::size_t videoFormat = riff.open("strf");
    riff.u32(40);  // BITMAPINFOHEADER
    riff.i32(movie.width);
    riff.i32(movie.height);
    riff.u16(1);
    riff.u16(24);
    riff.fourcc("MJPG");
    riff.u32(static_cast<std::uint32_t>(movie.width * movie.height * 3));
    riff.u32(0);
    riff.u32(0);
    riff.u32(0);
    riff.u32(0);
    riff.close(videoFormat);
    riff.close(videoList);

    const std::size_t audioList = riff.open("LIST", "strl");
    StreamHeader(riff, "auds", "", blockAlign, bytesPerSecond,
                 static_cast<std::uint32_t>(sampleFrames), static_cast<std::uint32_t>(largestSound),
                 blockAlign, 0, 0);
    const std::size_t audioFormat = riff.open("strf");
    riff.u16(1);  // WAVEFORMATEX, PCM
    riff.u16(static_cast<std::uint16_t>(movie.sound.channels));
    riff.u32(static_cast<std::uint32_t>(movie.sound.sampleRate));
    riff.u32(bytesPerSecond);
    riff.u16(static_cast<std::uint16_t>(blockAlign));
    riff.u16(16);
    riff.u16(0);  // no extra format bytes
    riff.close(audioFormat);
    riff.close(audioList);
    riff.close(hdrl);

    std::vector<IndexEntry> index;
    const std::size_t movi = riff.open("LIST", "movi");
    const std::size_t moviStart = movi + 4;  // index offsets count from the "movi" code
    for (std::uint32_t k = 0; k < frameCount; ++k) {
        const std::size_t video = riff.open("00dc");
        riff.bytes(movie.frames[k]);
        riff.close(video);
        index.push_back({"00dc", kKeyFrame, static_cast<std::uint32_t>(video - 4 - moviStart),
                         static_cast<std::uint32_t>(movie.frames[k].size())});
        const std::size_t from = soundStart(k) * movie.sound.channels;
        const std::size_t to = soundStart(k + 1) * movie.sound.channels;
        if (to > from) {
            const std::size_t audio = riff.open("01wb");
            for (std::size_t s = from; s < to; ++s) {
                riff.u16(static_cast<std::uint16_t>(movie.sound.samples[s]));
            }
            riff.close(audio);
            index.push_back({"01wb", kKeyFrame, static_cast<std::uint32_t>(audio - 4 - moviStart),
                             static_cast<std::uint32_t>((to - from) * 2)});
        }
    }
    riff.close(movi);

    const std::size_t idx1 = riff.open("idx1");
    for (const IndexEntry& entry : index) {
        riff.fourcc(entry.id);
        riff.u32(entry.flags);
        riff.u32(entry.offset);
        riff.u32(entry.size);
    }
    riff.close(idx1);
    riff.close(file);
    return riff.take();
}

}  // namespace velocarta::sampledisc
