#include "slideshow/slide_captions.h"

#include <array>

#include "content/naming.h"

namespace velocarta {

namespace {

constexpr std::array<ArtPrint, 3> kArtPrints{{
    {"Lorin Vasse Art Print ", "GB"},
    {"National Vantrel Museum Print ", "GH"},
    {"Edric Tamm Art Print ", "GL"},
}};

bool IsTwoDigitCode(std::string_view code) {
    return code.size() == 2 && code[0] >= '0' && code[0] <= '9' && code[1] >= '0' && code[1] <= '9';
}

bool NamesPhoto(const PhotoCatalogue& catalogue, int k) {
    return k >= 1 && k <= catalogue.count();
}

}  // namespace

std::string SlideYearCaption(const PhotoCatalogue& catalogue, int k) {
    if (!NamesPhoto(catalogue, k)) {
        return {};
    }
    const std::string_view code = catalogue.code(k);
    if (const ArtPrint* print = FindArtPrintByCode(code)) {
        return std::string(print->caption);
    }
    return YearCodeToCaption(code);
}

std::string JumpCaption(const PhotoCatalogue& catalogue, int k) {
    if (!NamesPhoto(catalogue, k)) {
        return {};
    }
    const std::string_view code = catalogue.code(k);
    if (IsTwoDigitCode(code)) {
        return "19" + std::string(code);
    }
    return SlideYearCaption(catalogue, k);
}

std::string PhotoCounterText(int photoIndex, int photoCount) {
    return std::to_string(photoIndex) + " of " + std::to_string(photoCount);
}

const ArtPrint* FindArtPrintByCaption(std::string_view caption) {
    for (const ArtPrint& print : kArtPrints) {
        if (print.caption == caption) {
            return &print;
        }
    }
    return nullptr;
}

const ArtPrint* FindArtPrintByCode(std::string_view code) {
    for (const ArtPrint& print : kArtPrints) {
        if (print.code == code) {
            return &print;
        }
    }
    return nullptr;
}

}  // namespace velocarta
