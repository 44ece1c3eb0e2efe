#pragma once

#include <cstdint>
#include <span>

namespace velocarta {

// Whether the bytes hold a JPEG stream from its start-of-image marker through its
// end-of-image marker, walking the marker segments and the entropy-coded data between
// them. A file cut short (a copy or download broken off) has no end marker; the decoder
// would fill the missing part with grey and report success. Bytes after the end marker
// (padding some cameras write) are allowed.
bool JpegIsComplete(std::span<const std::uint8_t> bytes);

}  // namespace velocarta
