#include "shell/menu_table.h"

#include <array>

namespace velocarta {

namespace {

constexpr bool kOn = true;
// Six entries were designed as not visible. This edition shows the four whose documents and
// photos are on the disc (Vantrel Engines, Vantrel Identification Guide, What's New and The
// Classic Dorran) and System Info. It keeps the Artwork menu hidden, because no photo can
// ever match its topics.
constexpr bool kHidden = false;

constexpr auto kEntries = std::to_array<MenuEntry>({
    {"mnuFile", -1, "File", 0, kOn, kOn},
    {"mnuCopy", -1, "Copy CD-ROM photos to hard drive", 1, kOn, kOn},
    {"mnuRemove", -1, "Remove photos from hard drive", 1, kOn, kOn},
    {"mnuDash2", -1, "-", 1, kOn, kOn},
    {"mnuCopyMovies", -1, "Copy CD-ROM movies to hard drive", 1, kOn, kOn},
    {"mnuRemoveMovies", -1, "Remove movies from hard drive", 1, kOn, kOn},
    {"mnuDash5", -1, "-", 1, kOn, kOn},
    {"mnuSaver", -1, "Install Screen saver", 1, kOn, kOn},
    {"mnuVideo", -1, "Install Intel Video Software", 1, kOn, kOn},
    {"mnuDash4", -1, "-", 1, kOn, kOn},
    {"mnuPrintPhoto", -1, "Print Photo", 1, kOn, kOn},
    {"mnuPrnt", -1, "PrintBooklet", 1, kOn, kOn},
    {"mnuPrint", -1, "Print Setup", 1, kOn, kOn},
    {"mnuLine5", -1, "-", 1, kOn, kOn},
    {"mnuCheckResolution", -1, "Check Screen Resolution", 1, kOn, kOn},
    {"mnuLine6", -1, "-", 1, kOn, kOn},
    {"mnuNames", -1, "Show File &Names", 1, false, kOn},
    {"mnuLine1", -1, "-", 1, kOn, kOn},
    {"mnuExit", -1, "Exit", 1, kOn, kOn},
    {"mnuSound", -1, "Sound Effects", 0, kOn, kOn},
    {"mnuMovies", -1, "Movies", 0, kOn, kOn},
    {"mnuLiterature", -1, "Literature", 0, kOn, kOn},
    {"mnuBooks", -1, "Vantrel Books", 1, kOn, kOn},
    {"mnuCatalogs", -1, "Vantrel Catalogs", 1, kOn, kOn},
    {"mnuMagazines", -1, "Vantrel Magazines", 1, kOn, kOn},
    {"mnuMag", 1, "Vantrel Illustrated", 2, kOn, kOn},
    {"mnuMag", 2, "Vantrel Monthly", 2, kOn, kOn},
    {"mnuMag", 3, "Muscle Vantrel and Fast Halders", 2, kOn, kOn},
    {"mnuMag", 4, "Vantrel && Halders", 2, kOn, kOn},
    {"mnuMag", 5, "5.0 Vantrel", 2, kOn, kOn},
    {"mnuMiscellaneous", -1, "Miscellaneous", 0, kOn, kOn},
    {"mnuMisc0", -1, "Vantrel 1964 Press Releases", 1, kOn, kOn},
    {"mnuPR", 1, "Introduction", 2, kOn, kOn},
    {"mnuPR", 2, "Market", 2, kOn, kOn},
    {"mnuPR", 3, "Options", 2, kOn, kOn},
    {"mnuMisc", 1, "Vantrel Engines", 1, kOn, kOn},
    {"mnuMisc", 2, "Vantrel Glossary", 1, kOn, kOn},
    {"mnuMisc", 3, "Vantrel Identification Guide", 1, kOn, kOn},
    {"mnuMisc", 4, "Vantrel Timelime", 1, kOn, kOn},
    {"mnuArtWork", -1, "Artwork", 0, kOn, kHidden},
    {"mnuArt", 1, "Lorin Vasse", 1, kOn, kOn},
    {"mnuArt", 2, "National Torvale Museum", 1, kOn, kOn},
    {"mnuArt", 3, "Edric Tamm", 1, kOn, kOn},
    {"mnuVantrelStuff", -1, "Vantrel Stuff", 0, kOn, kOn},
    {"mnuStuff", 1, "The Danbury Mint", 1, kOn, kOn},
    {"mnuStuff", 2, "The Franklin Mint Collector Knives", 1, kOn, kOn},
    {"mnuStuff", 3, "The Franklin Mint Die Cast Models", 1, kOn, kOn},
    {"mnuStuff", 4, "Vantrel Cookies", 1, kOn, kOn},
    {"mnuStuff", 5, "Vantrel Metal Signs", 1, kOn, kOn},
    {"mnuStuff", 6, "The Vantrel Monopoly Game", 1, kOn, kOn},
    {"mnuStuff", 7, "Vantrel Postage Stamps", 1, kOn, kOn},
    {"mnuSpecial", -1, "Specialty", 0, kOn, kOn},
    {"mnuSpecialty", 0, "The Classic Dorran", 1, kOn, kOn},
    {"mnuSpecialty", 1, "Early Vantrel Prototypes", 1, kOn, kOn},
    {"mnuSpecialty", 2, "Vantrel Kite I", 1, kOn, kOn},
    {"mnuSpecialty", 3, "Vantrel Kite III", 1, kOn, kOn},
    {"mnuSpecialty", 4, "Vantrel Super Stravon", 1, kOn, kOn},
    {"mnuSlideShow", -1, "SlideShow", 0, kOn, kOn},
    {"mnuHelp", -1, "Help", 0, kOn, kOn},
    {"mnuContents", -1, "Contents", 1, kOn, kOn},
    {"mnuLine2", -1, "-", 1, kOn, kOn},
    {"mnuWhatsNew", -1, "What's New", 1, kOn, kOn},
    {"mnuIntro", -1, "Introduction", 1, kOn, kOn},
    {"mnuNotice", -1, "Notice", 1, kOn, kOn},
    {"mnuCredits", -1, "Credits", 1, kOn, kOn},
    {"mnuAbout", -1, "About", 1, kOn, kOn},
    {"mnuSysInfo", -1, "System Info", 1, kOn, kOn},
    {"mnuContrib", -1, "Contributions", 1, kOn, kOn},
});

}  // namespace

std::span<const MenuEntry> MenuBarEntries() {
    return kEntries;
}

}  // namespace velocarta
