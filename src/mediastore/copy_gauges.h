#pragma once

#include <cstdint>

namespace velocarta {

// The gauges of the copy panel, as whole percentages from 0 to 100.

// A gauge's fill for a computed percentage: the nearest whole number, halves to the even
// one (62.5 gives 62), held within 0 to 100. The caption shows the same number.
int GaugeFill(double percent);

// The file gauge after `blocksDone` full blocks of a file of `length` bytes:
// blockSize × blocksDone ÷ length × 100.
int FileGaugePercent(std::int64_t blockSize, std::int64_t blocksDone, std::int64_t length);

// What a file takes off the remaining bytes of the overall gauge: its full blocks only; the
// tail of a file moves its own gauge but not the overall one.
std::int64_t FullBlockBytes(std::int64_t length, std::int64_t blockSize);

// The overall gauge's 100 % mark: the kind's nominal total, or the full-block bytes of all
// the files when the disc holds more than that, so that the gauge keeps moving to the end
// instead of standing at 100 while files are still being copied.
std::int64_t OverallGaugeScale(std::int64_t nominalTotal, std::int64_t fullBlockBytes);

// The overall gauge: 100 − remainingBytes ÷ scale × 100, within 0 to 100.
int OverallGaugePercent(std::int64_t remainingBytes, std::int64_t scale);

}  // namespace velocarta
