#include "mediastore/copy_gauges.h"

#include <algorithm>
#include <cmath>

namespace velocarta {

int GaugeFill(double percent) {
    if (std::isnan(percent)) {
        return 0;
    }
    // nearbyint rounds in the default mode, to nearest with halves to even.
    return static_cast<int>(std::clamp(std::nearbyint(percent), 0.0, 100.0));
}

int FileGaugePercent(std::int64_t blockSize, std::int64_t blocksDone, std::int64_t length) {
    if (length <= 0) {
        return 100;
    }
    return GaugeFill(static_cast<double>(blockSize) * static_cast<double>(blocksDone) /
                     static_cast<double>(length) * 100.0);
}

std::int64_t FullBlockBytes(std::int64_t length, std::int64_t blockSize) {
    return length <= 0 ? 0 : length / blockSize * blockSize;
}

std::int64_t OverallGaugeScale(std::int64_t nominalTotal, std::int64_t fullBlockBytes) {
    return std::max(nominalTotal, fullBlockBytes);
}

int OverallGaugePercent(std::int64_t remainingBytes, std::int64_t scale) {
    if (scale <= 0) {
        return 100;
    }
    return GaugeFill(100.0 -
                     static_cast<double>(remainingBytes) / static_cast<double>(scale) * 100.0);
}

}  // namespace velocarta
