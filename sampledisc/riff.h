#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velocarta::sampledisc {

// Builds RIFF files (WAV, AVI): little-endian numbers, four-character codes and chunks whose
// sizes are filled in when they close. Chunks are padded to an even length.
class RiffWriter {
  public:
    void u16(std::uint16_t value);
    void u32(std::uint32_t value);
    void i32(std::int32_t value) { u32(static_cast<std::uint32_t>(value)); }
    void fourcc(std::string_view code);
    void bytes(std::string_view data) { data_ += data; }

    // Opens a chunk ("RIFF" and "LIST" take their form type as `listType`); returns the
    // position to close it with.
    std::size_t open(std::string_view id, std::string_view listType = {});
    void close(std::size_t chunk);

    std::size_t size() const { return data_.size(); }
    std::string take() { return std::move(data_); }

  private:
    std::string data_;
};

}  // namespace velocarta::sampledisc
