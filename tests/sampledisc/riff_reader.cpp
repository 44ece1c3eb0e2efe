#include "riff_reader.h"

namespace velocarta::testing {

namespace {

bool ReadChunks(std::string_view file, std::size_t from, std::size_t to,
                std::vector<RiffChunk>& out) {
    std::size_t at = from;
    while (at + 8 <= to) {
        RiffChunk chunk;
        chunk.id = std::string(file.substr(at, 4));
        chunk.offset = at;
        const std::size_t size = Le32(file, at + 4);
        if (at + 8 + size > to) {
            return false;
        }
        std::size_t dataStart = at + 8;
        if (chunk.id == "RIFF" || chunk.id == "LIST") {
            if (size < 4) {
                return false;
            }
            chunk.form = std::string(file.substr(dataStart, 4));
            dataStart += 4;
            if (!ReadChunks(file, dataStart, at + 8 + size, chunk.children)) {
                return false;
            }
        }
        chunk.data = file.substr(dataStart, at + 8 + size - dataStart);
        out.push_back(std::move(chunk));
        at += 8 + size + (size % 2);
    }
    return at == to || at == to + 1;
}

}  // namespace

std::uint16_t Le16(std::string_view data, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(data[at]) |
                                      (static_cast<unsigned char>(data[at + 1]) << 8));
}

std::uint32_t Le32(std::string_view data, std::size_t at) {
    return static_cast<std::uint32_t>(Le16(data, at)) |
           (static_cast<std::uint32_t>(Le16(data, at + 2)) << 16);
}

const RiffChunk* RiffChunk::find(std::string_view wanted, std::string_view wantedForm) const {
    for (const RiffChunk& child : children) {
        if (child.id == wanted && (wantedForm.empty() || child.form == wantedForm)) {
            return &child;
        }
    }
    return nullptr;
}

std::vector<const RiffChunk*> RiffChunk::all(std::string_view wanted,
                                             std::string_view wantedForm) const {
    std::vector<const RiffChunk*> found;
    for (const RiffChunk& child : children) {
        if (child.id == wanted && (wantedForm.empty() || child.form == wantedForm)) {
            found.push_back(&child);
        }
    }
    return found;
}

std::optional<RiffChunk> ReadRiff(std::string_view file) {
    std::vector<RiffChunk> top;
    if (file.size() < 12 || file.substr(0, 4) != "RIFF" || !ReadChunks(file, 0, file.size(), top) ||
        top.size() != 1) {
        return std::nullopt;
    }
    return std::move(top.front());
}

}  // namespace velocarta::testing
