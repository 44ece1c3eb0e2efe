#include "yearimages/jpeg_structure.h"

#include <cstddef>

namespace velocarta {

namespace {

constexpr std::uint8_t kMarker = 0xFF;
constexpr std::uint8_t kStartOfImage = 0xD8;
constexpr std::uint8_t kEndOfImage = 0xD9;
constexpr std::uint8_t kStartOfScan = 0xDA;
constexpr std::uint8_t kTem = 0x01;

bool IsRestartMarker(std::uint8_t code) {
    return code >= 0xD0 && code <= 0xD7;
}

// Skips the entropy-coded data of a scan: stuffed bytes (FF 00) and restart markers belong
// to it; the position ends on the FF of the next marker, or at the end of the bytes.
std::size_t SkipScanData(std::span<const std::uint8_t> bytes, std::size_t pos) {
    while (pos < bytes.size()) {
        if (bytes[pos] != kMarker) {
            ++pos;
            continue;
        }
        if (pos + 1 >= bytes.size()) {
            return bytes.size();
        }
        const std::uint8_t next = bytes[pos + 1];
        if (next == 0x00 || IsRestartMarker(next)) {
            pos += 2;
        } else if (next == kMarker) {
            ++pos;  // a fill byte before a marker
        } else {
            return pos;
        }
    }
    return pos;
}

}  // namespace

bool JpegIsComplete(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 4 || bytes[0] != kMarker || bytes[1] != kStartOfImage) {
        return false;
    }
    std::size_t pos = 2;
    while (pos < bytes.size()) {
        if (bytes[pos] != kMarker) {
            return false;
        }
        while (pos < bytes.size() && bytes[pos] == kMarker) {
            ++pos;
        }
        if (pos >= bytes.size()) {
            return false;
        }
        const std::uint8_t code = bytes[pos++];
        if (code == kEndOfImage) {
            return true;
        }
        if (IsRestartMarker(code) || code == kTem) {
            continue;  // markers without a segment
        }
        if (pos + 2 > bytes.size()) {
            return false;
        }
        const std::size_t length = (std::size_t{bytes[pos]} << 8) | bytes[pos + 1];
        if (length < 2 || pos + length > bytes.size()) {
            return false;
        }
        pos += length;
        if (code == kStartOfScan) {
            pos = SkipScanData(bytes, pos);
        }
    }
    return false;
}

}  // namespace velocarta
