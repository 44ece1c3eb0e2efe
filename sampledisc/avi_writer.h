#pragma once

#include <string>
#include <vector>

#include "sampledisc/wav_writer.h"

namespace velocarta::sampledisc {

// A Motion-JPEG movie with PCM sound: every frame a complete JPEG image.
struct MjpegMovie {
    int width = 320;
    int height = 240;
    int framesPerSecond = 15;
    std::vector<std::string> frames;
    PcmSound sound;
};

// An AVI 1.0 file: "hdrl" with the main header and one video ("vids", MJPG) and one audio
// ("auds", PCM) stream, "movi" with each frame's "00dc" chunk followed by the sound of that
// frame's time in a "01wb" chunk, and the "idx1" index. Throws std::invalid_argument for a
// movie without frames.
std::string WriteAvi(const MjpegMovie& movie);

}  // namespace velocarta::sampledisc
