#pragma once

#include <span>
#include <string>
#include <string_view>

#include "content/content_file.h"
#include "platform/file_system.h"

namespace velocarta {

// One movie of the movie window: the caption of its option button, its file in the movie
// folder and the window's caption while it is chosen. Two movies are not offered: their
// option buttons stay hidden.
struct MovieRow {
    std::string_view caption;
    std::string_view file;
    std::string_view windowCaption;
    bool offered;
};

// The movies by the index of their option button, 0 .. 7.
std::span<const MovieRow> MovieTable();

// The root whose "/movies/" the movie window plays from: the store folder once it holds at
// least one AVI file (the movies were copied to the hard disk), else the content disc. A
// store folder that cannot be read counts as holding none.
std::string ChooseMovieRoot(FileSystem& fileSystem, const std::string& storeFolder,
                            const std::string& contentPath);

// Movie `index` under a movie root.
ContentFile MovieFile(const std::string& movieRoot, int index);

// One sound effect of the sound panel: the caption of its label, its file in the disc's
// "/wav/" and its play button in twips inside the panel. The label sits 360 twips to the
// right of the button, at the same top.
struct SoundRow {
    std::string_view label;
    std::string_view file;
    int left;
    int top;
    int width;
    int height;
};

// The sound effects by the index of their play button, 0 .. 26.
std::span<const SoundRow> SoundTable();
inline constexpr int kSoundLabelOffset = 360;

// Sound effect `index` on the content disc.
ContentFile SoundEffectFile(const std::string& contentPath, int index);

// The question that offers to run the video codec installer.
std::string CodecInstallerQuestion();

}  // namespace velocarta
