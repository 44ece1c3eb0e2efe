#pragma once

#include <cstdint>
#include <istream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace velocarta {

// The kinds of file the multimedia device plays: WAV sounds and AVI movies.
enum class DeviceType { WaveAudio, AVIVideo };

// "WaveAudio" or "AVIVideo".
std::string_view DeviceTypeName(DeviceType type);

// What the headers of a WAV or AVI file declare about its streams.
struct MediaFacts {
    bool hasVideo = false;
    std::string videoCodec;  // the video stream's code ("MJPG"); "DIB " for plain bitmaps
    int width = 0;
    int height = 0;
    bool hasAudio = false;
    int audioFormat = 0;  // the sound's format tag; 1 is PCM
};

// Why a file cannot be played, in words that finish the sentence "... cannot be played: ".
class MediaFileProblem : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Reads the RIFF headers of a WAV file (WaveAudio) or an AVI file (AVIVideo) and returns what
// they declare. Throws MediaFileProblem for a file of another kind, one that is cut short
// (shorter than its headers say) or one whose headers are damaged. Only the headers are
// read, never the sound or the frames, so a long movie costs no more than a short one.
MediaFacts InspectMediaFile(std::istream& file, DeviceType type);

// A video codec's four-character code as a user reads it: "MJPG", or its bytes in hex when
// they are not printable; "uncompressed" for plain bitmaps.
std::string CodecName(std::string_view fourcc);

// A sound format tag by name: "PCM", "IMA ADPCM", "MPEG Layer 3", or "format 0x7777".
std::string AudioFormatName(int formatTag);

// The whole message of a file that cannot be played:
// The sound "/disc/wav/taxi.wav" cannot be played: it is not a WAV sound file.
std::string CannotPlayMessage(DeviceType type, std::string_view path, std::string_view reason);

}  // namespace velocarta
