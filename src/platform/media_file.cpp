#include "platform/media_file.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace velocarta {

namespace {

// More chunks than this in one list is not a sound or a movie but damage.
constexpr int kMostChunksInAList = 4096;

std::uint32_t U32(std::string_view bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    }
    return value;
}

int U16(std::string_view bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8;
}

bool IsChunkId(std::string_view id) {
    return std::all_of(id.begin(), id.end(), [](char c) { return c >= ' ' && c <= '~'; });
}

[[noreturn]] void Damaged(std::string_view what) {
    throw MediaFileProblem("it is damaged (" + std::string(what) + ")");
}

[[noreturn]] void Incomplete(std::uint64_t size, std::uint64_t needed) {
    throw MediaFileProblem("it is incomplete (the file ends after " + std::to_string(size) +
                           " of its " + std::to_string(needed) + " bytes)");
}

class RiffFile {
  public:
    explicit RiffFile(std::istream& in) : in_(in) {
        in_.seekg(0, std::ios::end);
        const std::streamoff end = in_.tellg();
        size_ = end > 0 ? static_cast<std::uint64_t>(end) : 0;
    }
    std::uint64_t size() const { return size_; }

    // Up to `count` bytes from `offset`; fewer where the file ends.
    std::string read(std::uint64_t offset, std::size_t count) {
        in_.clear();
        in_.seekg(static_cast<std::streamoff>(offset));
        std::string bytes(count, '\0');
        in_.read(bytes.data(), static_cast<std::streamsize>(count));
        bytes.resize(static_cast<std::size_t>(std::max<std::streamsize>(in_.gcount(), 0)));
        return bytes;
    }

  private:
    std::istream& in_;
    std::uint64_t size_ = 0;
};

struct Chunk {
    std::string id;
    std::uint64_t data = 0;  // where its contents start
    std::uint32_t size = 0;
    std::uint64_t contentEnd() const { return data + size; }
    std::uint64_t next() const { return data + size + (size & 1); }  // odd sizes are padded
};

// Calls visit(chunk) for each chunk from `from` to `to`. A chunk that runs past `to` is
// damage inside a list; at the top level (`to` is the file's end) it means the file was cut.
template <typename Visit>
void ForEachChunk(RiffFile& file, std::uint64_t from, std::uint64_t to, bool topLevel,
                  Visit visit) {
    int count = 0;
    for (std::uint64_t at = from; at + 8 <= to;) {
        if (++count > kMostChunksInAList) {
            Damaged("its headers are scrambled");
        }
        const std::string head = file.read(at, 8);
        Chunk chunk{head.substr(0, 4), at + 8, U32(head, 4)};
        if (!IsChunkId(chunk.id)) {
            Damaged("its headers are scrambled");
        }
        if (chunk.contentEnd() > to) {
            if (topLevel && chunk.contentEnd() > file.size()) {
                Incomplete(file.size(), chunk.contentEnd());
            }
            Damaged("its headers are scrambled");
        }
        if (!visit(chunk)) {
            return;
        }
        at = chunk.next();
    }
}

MediaFacts InspectWave(RiffFile& file, std::uint64_t end) {
    MediaFacts facts;
    std::optional<std::string> format;
    std::optional<std::uint32_t> soundBytes;
    ForEachChunk(file, 12, end, true, [&](const Chunk& chunk) {
        if (chunk.id == "fmt ") {
            format = file.read(chunk.data, std::min<std::uint32_t>(chunk.size, 16));
        } else if (chunk.id == "data") {
            soundBytes = chunk.size;
        }
        return !(format && soundBytes);
    });
    if (!format) {
        Damaged("its sound format is missing");
    }
    if (format->size() < 16 || U16(*format, 2) == 0 || U32(*format, 4) == 0 ||
        U16(*format, 12) == 0) {
        Damaged("its sound format is unreadable");
    }
    if (!soundBytes || *soundBytes == 0) {
        throw MediaFileProblem("it holds no sound");
    }
    facts.hasAudio = true;
    facts.audioFormat = U16(*format, 0);
    return facts;
}

// One "strl" list: the stream's header and format.
void InspectStream(RiffFile& file, const Chunk& list, MediaFacts& facts) {
    std::string header;
    std::string format;
    ForEachChunk(file, list.data + 4, list.contentEnd(), false, [&](const Chunk& chunk) {
        if (chunk.id == "strh") {
            header = file.read(chunk.data, std::min<std::uint32_t>(chunk.size, 8));
        } else if (chunk.id == "strf") {
            format = file.read(chunk.data, std::min<std::uint32_t>(chunk.size, 20));
        }
        return true;
    });
    if (header.size() < 8) {
        Damaged("a stream header is missing");
    }
    const std::string_view type = std::string_view(header).substr(0, 4);
    if (type == "vids" && !facts.hasVideo) {
        facts.hasVideo = true;
        if (format.size() >= 20) {
            const std::uint32_t compression = U32(format, 16);
            facts.videoCodec = compression == 0 ? "DIB " : format.substr(16, 4);
            facts.width = static_cast<int>(U32(format, 4) & 0x7fffffff);
            const auto height = static_cast<std::int32_t>(U32(format, 8));
            facts.height = height < 0 ? -height : height;  // negative: top-down rows
        } else {
            facts.videoCodec = header.substr(4, 4);
        }
    } else if (type == "auds" && !facts.hasAudio) {
        if (format.size() < 2) {
            Damaged("the sound format is missing");
        }
        facts.hasAudio = true;
        facts.audioFormat = U16(format, 0);
    }
}

MediaFacts InspectAvi(RiffFile& file, std::uint64_t end) {
    MediaFacts facts;
    bool headers = false;
    bool frames = false;
    ForEachChunk(file, 12, end, true, [&](const Chunk& chunk) {
        if (chunk.id != "LIST" || chunk.size < 4) {
            return true;
        }
        const std::string type = file.read(chunk.data, 4);
        if (type == "hdrl") {
            headers = true;
            ForEachChunk(file, chunk.data + 4, chunk.contentEnd(), false, [&](const Chunk& inner) {
                if (inner.id == "LIST" && inner.size >= 4 && file.read(inner.data, 4) == "strl") {
                    InspectStream(file, inner, facts);
                } else if (inner.id == "avih" && inner.size >= 40 && facts.width == 0) {
                    const std::string main = file.read(inner.data, 40);
                    facts.width = static_cast<int>(U32(main, 32) & 0x7fffffff);
                    facts.height = static_cast<int>(U32(main, 36) & 0x7fffffff);
                }
                return true;
            });
        } else if (type == "movi") {
            frames = true;
        }
        return !(headers && frames);
    });
    if (!headers) {
        Damaged("its headers are missing");
    }
    if (!facts.hasVideo && !facts.hasAudio) {
        Damaged("it declares neither pictures nor sound");
    }
    if (!frames) {
        Damaged("its frames are missing");
    }
    return facts;
}

}  // namespace

std::string_view DeviceTypeName(DeviceType type) {
    return type == DeviceType::WaveAudio ? "WaveAudio" : "AVIVideo";
}

MediaFacts InspectMediaFile(std::istream& in, DeviceType type) {
    RiffFile file(in);
    if (file.size() == 0) {
        throw MediaFileProblem("the file is empty");
    }
    const bool wave = type == DeviceType::WaveAudio;
    const std::string head = file.read(0, 12);
    if (head.size() < 12 || head.compare(0, 4, "RIFF") != 0 ||
        head.compare(8, 4, wave ? "WAVE" : "AVI ") != 0) {
        throw MediaFileProblem(wave ? "it is not a WAV sound file" : "it is not an AVI movie file");
    }
    const std::uint64_t declared = std::uint64_t{U32(head, 4)} + 8;
    // A writer may leave out the pad byte after an odd-sized last chunk.
    if (declared > file.size() + 1) {
        Incomplete(file.size(), declared);
    }
    const std::uint64_t end = std::min(declared, file.size());
    return wave ? InspectWave(file, end) : InspectAvi(file, end);
}

std::string CodecName(std::string_view fourcc) {
    if (fourcc == "DIB ") {
        return "uncompressed";
    }
    if (fourcc.size() == 4 && IsChunkId(fourcc)) {
        std::string name(fourcc);
        name.erase(name.find_last_not_of(' ') + 1);
        return name;
    }
    std::string hex = "0x";
    for (auto it = fourcc.rbegin(); it != fourcc.rend(); ++it) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02X", static_cast<unsigned char>(*it));
        hex += digits;
    }
    return hex;
}

std::string AudioFormatName(int formatTag) {
    switch (formatTag) {
        case 0x0001:
            return "PCM";
        case 0x0002:
            return "Microsoft ADPCM";
        case 0x0003:
            return "IEEE float";
        case 0x0006:
            return "A-law";
        case 0x0007:
            return "mu-law";
        case 0x0011:
            return "IMA ADPCM";
        case 0x0031:
            return "GSM 6.10";
        case 0x0050:
            return "MPEG";
        case 0x0055:
            return "MPEG Layer 3";
        default: {
            char name[16];
            std::snprintf(name, sizeof name, "format 0x%04X", formatTag & 0xffff);
            return name;
        }
    }
}

std::string CannotPlayMessage(DeviceType type, std::string_view path, std::string_view reason) {
    while (!reason.empty() && (reason.back() == '.' || reason.back() == ' ')) {
        reason.remove_suffix(1);
    }
    return std::string(type == DeviceType::WaveAudio ? "The sound \"" : "The movie \"") +
           std::string(path) + "\" cannot be played: " + std::string(reason) + ".";
}

}  // namespace velocarta
