#include "sampledisc/riff.h"

#include <stdexcept>

namespace velocarta::sampledisc {

void RiffWriter::u16(std::uint16_t value) {
    data_.push_back(static_cast<char>(value & 0xFF));
    data_.push_back(static_cast<char>(value >> 8));
}

void RiffWriter::u32(std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        data_.push_back(static_cast<char>((value >> shift) & 0xFF));
    }
}

void RiffWriter::fourcc(std::string_view code) {
    if (code.size() != 4) {
        throw std::invalid_argument("a four-character code needs four characters");
    }
    data_ += code;
}

std::size_t RiffWriter::open(std::string_view id, std::string_view listType) {
    fourcc(id);
    const std::size_t sizeField = data_.size();
    u32(0);
    if (!listType.empty()) {
        fourcc(listType);
    }
    return sizeField;
}

void RiffWriter::close(std::size_t chunk) {
    const std::size_t length = data_.size() - chunk - 4;
    for (int i = 0; i < 4; ++i) {
        data_[chunk + i] = static_cast<char>((length >> (8 * i)) & 0xFF);
    }
    if (length % 2 != 0) {
        data_.push_back('\0');
    }
}

}  // namespace velocarta::sampledisc
