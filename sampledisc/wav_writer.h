#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace velocarta::sampledisc {

// 16-bit PCM sound; `samples` holds the channels interleaved.
struct PcmSound {
    int sampleRate = 22050;
    int channels = 1;
    std::vector<std::int16_t> samples;

    double seconds() const { return static_cast<double>(samples.size()) / channels / sampleRate; }
};

// A canonical WAV file: "RIFF" "WAVE", a 16-byte "fmt " chunk (PCM) and the "data" chunk.
std::string WriteWav(const PcmSound& sound);

}  // namespace velocarta::sampledisc
