#include "mediastore/copy_kind.h"

#include <string>

namespace velocarta {

namespace {

constexpr CopyKindRules kPhotos{42'000'000, "Copy photos from CD-ROM to hard drive", "Copy Photos",
                                "/vantrels/", "/vantrels/*.jpg"};
constexpr CopyKindRules kMovies{432'000'000, "Copy Movies from CD-ROM to hard drive", "Copy Movies",
                                "/movies/", "/movies/*.avi"};

Message Box(std::string text, Buttons buttons, Icon icon) {
    return {std::move(text), kProductTitle, buttons, icon};
}

}  // namespace

const CopyKindRules& RulesOf(CopyKind kind) {
    return kind == CopyKind::Photos ? kPhotos : kMovies;
}

Message CopiedMessage(CopyKind kind) {
    const std::string_view text =
        kind == CopyKind::Photos ? "Photos successfully copied!" : "Movies successfully copied!";
    return Box(std::string(text) + std::string(kCrLf), Buttons::Ok, Icon::Exclamation);
}

Message NotAllCopiedMessage(CopyKind kind) {
    const std::string what = kind == CopyKind::Photos ? "photos" : "movies";
    return Box("Not all " + what + " could be copied to your hard drive." + std::string(kCrLf) +
                   std::string(kCrLf) + "Your hard drive was left as it was before the copy.",
               Buttons::Ok, Icon::Exclamation);
}

Message AlreadyCopiedQuestion() {
    const std::string crLf(kCrLf);
    return Box("These files have already been copied" + crLf + "to your hard drive." + crLf + crLf +
                   "Would you like to copy them again?",
               Buttons::OkCancel, Icon::Question);
}

Message CopyFailureMessage(std::string_view description) {
    return Box(std::string(description), Buttons::Ok, Icon::None);
}

}  // namespace velocarta
