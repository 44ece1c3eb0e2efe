#include "yearimages/jpeg_structure.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace velocarta {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

const Bytes kStart{0xFF, 0xD8};
const Bytes kEnd{0xFF, 0xD9};
const Bytes kApp0{0xFF, 0xE0, 0x00, 0x07, 'J', 'F', 'I', 'F', 0x00};
const Bytes kTables{0xFF, 0xDB, 0x00, 0x04, 0x00, 0x01};
const Bytes kScanHeader{0xFF, 0xDA, 0x00, 0x08, 0x01, 0x01, 0x00, 0x00, 0x3F, 0x00};
// Entropy-coded data with a stuffed FF and a restart marker, both part of the scan.
const Bytes kScanData{0x12, 0x34, 0xFF, 0x00, 0x56, 0xFF, 0xD0, 0x78, 0x9A};
// A Huffman table between the scans of a progressive picture.
const Bytes kHuffman{0xFF, 0xC4, 0x00, 0x03, 0x10};

bool Complete(const Bytes& bytes) {
    return JpegIsComplete(bytes);
}

TEST(JpegIsComplete, WholeStreams) {
    const Bytes whole = Join({kStart, kApp0, kTables, kScanHeader, kScanData, kEnd});
    EXPECT_TRUE(Complete(whole));
    // Padding after the end marker, as some cameras write it.
    EXPECT_TRUE(Complete(Join({whole, Bytes(64, 0x00)})));
    // Fill bytes before a marker.
    EXPECT_TRUE(Complete(
        Join({kStart, Bytes{0xFF, 0xFF}, kApp0, kScanHeader, kScanData, Bytes{0xFF}, kEnd})));
    // A progressive picture: several scans with tables between them.
    EXPECT_TRUE(Complete(
        Join({kStart, kTables, kScanHeader, kScanData, kHuffman, kScanHeader, kScanData, kEnd})));
}

TEST(JpegIsComplete, StreamsCutShortOrNoJpegAtAll) {
    const Bytes whole = Join({kStart, kApp0, kTables, kScanHeader, kScanData, kEnd});
    // Cut anywhere, up to the last byte of the end marker.
    for (std::size_t length = 0; length < whole.size(); ++length) {
        EXPECT_FALSE(Complete(Bytes(whole.begin(), whole.begin() + length))) << length;
    }
    const std::string text = "This is a text file named .jpg\n";
    EXPECT_FALSE(Complete(Bytes(text.begin(), text.end())));
    EXPECT_FALSE(Complete({}));
    // Something other than a marker where a segment should begin.
    EXPECT_FALSE(Complete(Join({kStart, kApp0, Bytes{0x00, 0x11}, kEnd})));
    // A segment whose length is less than its own length field.
    EXPECT_FALSE(Complete(Join({kStart, Bytes{0xFF, 0xE1, 0x00, 0x01}, kEnd})));
}

TEST(JpegIsComplete, AnEndMarkerInsideASegmentIsNotTheEnd) {
    // A thumbnail inside the Exif segment ends with its own end marker; the picture after it
    // is still cut short.
    const Bytes exif{0xFF, 0xE1, 0x00, 0x08, 0xFF, 0xD8, 0x00, 0x00, 0xFF, 0xD9};
    EXPECT_FALSE(Complete(Join({kStart, exif, kScanHeader, kScanData})));
    EXPECT_TRUE(Complete(Join({kStart, exif, kScanHeader, kScanData, kEnd})));
}

}  // namespace
}  // namespace velocarta
