#pragma once

#include <array>
#include <string>
#include <string_view>

#include "shell/main_layout.h"

namespace velocarta {

// One field of the About box: its control name, its place in twips (inside the lower area
// for the fields of `panAbout`) and its caption.
struct AboutField {
    std::string_view name;
    Rect twips;
    std::string_view caption;
};

// The box itself, in twips: the picture area above, the lower area with the fields below.
inline constexpr Rect kAboutPictureArea{0, 0, 9615, 4935};   // SSPanel3
inline constexpr Rect kAboutLowerArea{0, 4920, 9615, 2295};  // panAbout
inline constexpr int kAboutWidthTwips = 9615;
inline constexpr int kAboutHeightTwips = 4920 + 2295;

// The maker of this product and its rights notice.
inline constexpr std::string_view kMakerName = "Tallwood Interactive, Inc.";
inline constexpr std::array<std::string_view, 2> kMakerAddress = {"418 Huron Street, Suite 5",
                                                                  "Marrowfield, Michigan 48133"};
inline constexpr std::string_view kMakerWeb = "www.tallwood.example";
inline constexpr std::string_view kRightsNotice = "\u00A9 2000 Tallwood Interactive, Inc.";

// The maker's panel: its name, its two address lines, an empty line and its web line.
std::string MakerPanelText();

// The fields of the lower area, in the order of their places there.
inline constexpr std::array<AboutField, 5> kAboutFields = {{
    {"SSPanel5", {1440, 240, 615, 240}, "The"},
    {"SSPanel1", {480, 480, 2895, 360}, "Vantrel Velocarta"},
    {"SSPanel4", {1440, 840, 615, 240}, "2000"},
    // The rights notice and MakerPanelText(), set when the box loads.
    {"SSPanel2", {600, 1200, 2655, 360}, ""},
    {"panKestrix", {6480, 360, 2655, 1095}, ""},
}};
inline constexpr AboutField kAboutOk{"SSCommand1", {240, 1560, 9120, 495}, "OK"};

}  // namespace velocarta
