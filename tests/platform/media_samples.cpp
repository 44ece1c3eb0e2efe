#include "media_samples.h"

#include <cmath>
#include <cstdint>
#include <numbers>

#include "sampledisc/avi_writer.h"
#include "sampledisc/wav_writer.h"

namespace velocarta::testing {

namespace {

sampledisc::PcmSound Tone(double seconds) {
    sampledisc::PcmSound sound;
    const auto count = static_cast<std::size_t>(seconds * sound.sampleRate);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / sound.sampleRate;
        sound.samples.push_back(
            static_cast<std::int16_t>(8000 * std::sin(2 * std::numbers::pi * 440 * t)));
    }
    return sound;
}

}  // namespace

std::string ToneWav(double seconds) {
    return sampledisc::WriteWav(Tone(seconds));
}

std::string MjpegAvi(const std::vector<std::string>& frames, int fps) {
    sampledisc::MjpegMovie movie;
    movie.width = 160;
    movie.height = 120;
    movie.framesPerSecond = fps;
    movie.frames = frames;
    movie.sound = Tone(static_cast<double>(frames.size()) / fps);
    return sampledisc::WriteAvi(movie);
}

std::string Replaced(std::string bytes, std::string_view from, std::string_view to) {
    for (std::size_t at = bytes.find(from); at != std::string::npos;
         at = bytes.find(from, at + to.size())) {
        bytes.replace(at, from.size(), to);
    }
    return bytes;
}

std::string Overwritten(std::string bytes, std::size_t offset, std::size_t count, char value) {
    bytes.replace(offset, count, count, value);
    return bytes;
}

}  // namespace velocarta::testing
