#pragma once

#include <span>
#include <string_view>

#include "sampledisc/wav_writer.h"

namespace velocarta::sampledisc {

constexpr int kSoundRate = 22050;

// The sound effects of the disc's "wav" folder, in the order of the sound panel.
struct SoundEffect {
    std::string_view file;
    std::string_view label;
    PcmSound (*make)();
};
std::span<const SoundEffect> SoundEffects();

// The start-up sound of the program folder: a car passing by, two seconds.
PcmSound StartupPassby();

// The sound track of movie `index` (0 to 7), `seconds` long.
PcmSound MovieSoundtrack(int index, double seconds);

}  // namespace velocarta::sampledisc
