#include "tools/display_check.h"

#include <cstdio>

#include "content/utilities.h"

namespace velocarta {

std::string NumberText(double value) {
    // Fifteen significant digits, as the numbers of this message have always been written.
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.15G", value < 0 ? -value : value);
    std::string text = digits;
    if (text.starts_with("0.")) {
        text.erase(0, 1);
    }
    return (value < 0 ? "-" : " ") + text;
}

Message ScreenResolutionMessage(const Screen& screen) {
    if (ScreenIs(screen, 800, 600)) {
        return {
            "Your current screen resolution is set at 800x600.\r\n\r\n"
            "This is the optimum setting for the Vantrel Velocarta!",
            kProductTitle, Buttons::Ok, Icon::None};
    }
    constexpr double kTwipsPerPixel = 15;
    const double width =
        static_cast<double>(screen.widthPixels()) * screen.twipsPerPixelX() / kTwipsPerPixel;
    const double height =
        static_cast<double>(screen.heightPixels()) * screen.twipsPerPixelY() / kTwipsPerPixel;
    const char* const steps[] = {
        "",
        "The optimum setting for the Vantrel Velocarta is 800 by 600 pixels.",
        "",
        "Also, The Vantrel Velocarta requires that the Small Fonts display setting is selected.",
        "",
        "To change your resolution and font size settings perform the following steps:",
        "    1)  Click the right mouse button while the cursor is on the Windows desktop.",
        "    2)  Select the Properties option from the window that will be displayed.",
        "    3)  Select the Settings tab.",
        "    4)  Adjust the Screen area Slide control to 800x600.",
        "    5)  You may also want to set the Colors to the highest level allowed by your",
        "         graphics card.",
        "    6)  To change the font size setting:",
        "          Click the Advanced button on the bottom right of the above window.",
        "          Select Small Fonts from the font size drop-down list box.",
        "",
        "You may now have to re-start your computer for the new settings to take affect.",
    };
    std::string text = "Your current screen resolution is set at " + NumberText(width) + " by" +
                       NumberText(height) + " pixles.\r\n";
    for (const char* line : steps) {
        text += line;
        text += "\r\n";
    }
    return {text, kProductTitle, Buttons::Ok, Icon::Exclamation};
}

}  // namespace velocarta
