#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velocarta::testing {

// A WAV file's bytes: a 440 Hz tone, mono 16-bit PCM at 22050 Hz.
std::string ToneWav(double seconds);

// An AVI file's bytes: Motion-JPEG `frames` (each a JPEG file's bytes) of 160 x 120 at `fps`,
// with a tone as long as the frames for its sound.
std::string MjpegAvi(const std::vector<std::string>& frames, int fps = 15);

// `bytes` with each `from` replaced by `to` (of the same length).
std::string Replaced(std::string bytes, std::string_view from, std::string_view to);

// `bytes` with `count` bytes from `offset` set to `value`.
std::string Overwritten(std::string bytes, std::size_t offset, std::size_t count, char value);

}  // namespace velocarta::testing
