#include "media/media_tables.h"

#include <array>

#include "content/lookup.h"
#include "content/naming.h"

namespace velocarta {

namespace {

constexpr std::array<MovieRow, 8> kMovies{{
    {"Coming April 17, 1964", "ComingApril17.avi", "Vantrel Movies - Coming, April 17, 1964", true},
    {"The Unexpected", "TheUnexpected.avi", "Vantrel Movies - The Unexpected", true},
    {"1965 2+2 Fastback", "65-2+2.avi", "Vantrel Movies - 1965 2+2 Fastback", true},
    {"1966 Commercial", "1966.avi", "Vantrel Movies - 1966 Commercial", true},
    {"1967 Commercial", "1967.avi", "Vantrel Movies - 1967 Commercial", true},
    {"1967 Vantreler", "1967Vantreler.avi", "Vantrel Movies - 1967 Vantreler", false},
    {"1968 Commercial", "1968.avi", "Vantrel Movies - 1968 Commercial", false},
    {"Kite I", "Kite1.avi", "Vantrel Movies - Kite I", true},
}};

// Play buttons are 255 twips square; "Race Car Takeoff" has a wider one and the second and
// third columns taller ones.
constexpr SoundRow Sound(std::string_view label, std::string_view file, int left, int top,
                         int width = 255, int height = 255) {
    return {label, file, left, top, width, height};
}

constexpr std::array<SoundRow, 27> kSounds{{
    Sound("Backfiring", "backfrng.wav", 360, 600),
    Sound("Car Door", "car_door.wav", 360, 960),
    Sound("Car Horns", "carhorns.wav", 360, 1320),
    Sound("Traffic", "horns.wav", 360, 1680),
    Sound("Police Car", "cop-car.wav", 360, 2040),
    Sound("Taxi Horns", "taxi.wav", 360, 2400),
    Sound("Sport Car", "sportcar.wav", 360, 2760),
    Sound("18 Wheeler", "18wheelr.wav", 360, 3120),
    Sound("Race Car Takeoff", "peel-out.wav", 360, 3480, 270),
    Sound("At the Track", "Track2.wav", 360, 3840),
    Sound("Race Car Passby", "nascar.wav", 360, 4200),
    Sound("Race Car 1", "racecar.wav", 360, 4560),
    Sound("Race Car 2", "indy-car.wav", 360, 4920),
    Sound("Motorcycle", "mcycle.wav", 3240, 600, 255, 270),
    Sound("Batmobile", "batmoble.wav", 3240, 960, 255, 270),
    Sound("Vantrel", "62rvale.wav", 3240, 1320, 255, 270),
    Sound("Camaro", "63rvale.wav", 3240, 1680, 255, 270),
    Sound("Cars Starting", "rvalstart.wav", 3240, 2040, 255, 270),
    Sound("Passby", "passby.wav", 3240, 2400, 255, 270),
    Sound("Torvale C5", "torvale.wav", 3240, 2760, 255, 270),
    Sound("ZR-1 Starting", "zr1start.wav", 5520, 600, 255, 270),
    Sound("Motorcycle 2", "motorcyc2.wav", 5520, 960, 255, 270),
    Sound("Hot Rod", "hot_rod.wav", 5520, 1320, 255, 270),
    Sound("Red Light", "red_lght.wav", 5520, 1680, 255, 270),
    Sound("Vantrel Kite I", "porche.wav", 5520, 2040, 255, 270),
    Sound("Halder Cobra", "stealth.wav", 5520, 2400, 255, 270),
    Sound("Stuck on Ice", "stuck.wav", 5520, 2760, 255, 270),
}};

constexpr std::string_view kMovieFolder = "/movies/";

}  // namespace

std::span<const MovieRow> MovieTable() {
    return kMovies;
}

std::string ChooseMovieRoot(FileSystem& fileSystem, const std::string& storeFolder,
                            const std::string& contentPath) {
    // FirstListed gives "" for a folder that cannot be read as well as for an empty one.
    if (!FirstListed(fileSystem, {storeFolder, std::string(kMoviePattern)}).empty()) {
        return storeFolder;
    }
    return contentPath;
}

ContentFile MovieFile(const std::string& movieRoot, int index) {
    return {movieRoot, std::string(kMovieFolder) + std::string(kMovies.at(index).file)};
}

std::span<const SoundRow> SoundTable() {
    return kSounds;
}

ContentFile SoundEffectFile(const std::string& contentPath, int index) {
    return {contentPath, "/wav/" + std::string(kSounds.at(index).file)};
}

std::string CodecInstallerQuestion() {
    return "If you are experiencing difficulties running the Vantrel movies,\r\n"
           "you may need to install the Intel Indeo Video Software.\r\n"
           "\r\n"
           "Would you like to install this software now?";
}

}  // namespace velocarta
