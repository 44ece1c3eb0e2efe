#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velocarta::testing {

// One chunk of a RIFF file: its code, its data and, for "RIFF" and "LIST", its form type
// and the chunks inside.
struct RiffChunk {
    std::string id;
    std::string form;        // "RIFF" and "LIST" only
    std::size_t offset = 0;  // of the chunk's code in the file
    std::string_view data;   // after the size (and after the form type for lists)
    std::vector<RiffChunk> children;

    const RiffChunk* find(std::string_view id, std::string_view form = {}) const;
    std::vector<const RiffChunk*> all(std::string_view id, std::string_view form = {}) const;
};

// Reads a whole RIFF file; nothing when a size runs past the end or the file is no RIFF.
std::optional<RiffChunk> ReadRiff(std::string_view file);

std::uint16_t Le16(std::string_view data, std::size_t at);
std::uint32_t Le32(std::string_view data, std::size_t at);

}  // namespace velocarta::testing
