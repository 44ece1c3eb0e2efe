#include <gtest/gtest.h>

#include "support/fake_services.h"
#include "tools/display_check.h"

namespace velocarta {
namespace {

constexpr const char* kSteps =
    "\r\n"
    "The optimum setting for the Vantrel Velocarta is 800 by 600 pixels.\r\n"
    "\r\n"
    "Also, The Vantrel Velocarta requires that the Small Fonts display setting is selected.\r\n"
    "\r\n"
    "To change your resolution and font size settings perform the following steps:\r\n"
    "    1)  Click the right mouse button while the cursor is on the Windows desktop.\r\n"
    "    2)  Select the Properties option from the window that will be displayed.\r\n"
    "    3)  Select the Settings tab.\r\n"
    "    4)  Adjust the Screen area Slide control to 800x600.\r\n"
    "    5)  You may also want to set the Colors to the highest level allowed by your\r\n"
    "         graphics card.\r\n"
    "    6)  To change the font size setting:\r\n"
    "          Click the Advanced button on the bottom right of the above window.\r\n"
    "          Select Small Fonts from the font size drop-down list box.\r\n"
    "\r\n"
    "You may now have to re-start your computer for the new settings to take affect.\r\n";

TEST(ScreenResolutionMessage, ExactlyEightHundredBySixHundredGetsTheShortNote) {
    const testing::FakeScreen screen(800, 600, 15);
    const Message message = ScreenResolutionMessage(screen);
    EXPECT_EQ(message.text,
              "Your current screen resolution is set at 800x600.\r\n\r\n"
              "This is the optimum setting for the Vantrel Velocarta!");
    EXPECT_EQ(message.title, "The Vantrel Velocarta");
    EXPECT_EQ(message.buttons, Buttons::Ok);
    EXPECT_EQ(message.icon, Icon::None);
}

TEST(ScreenResolutionMessage, OtherScreensGetTheirSizeAndTheSteps) {
    struct Case {
        int width, height, twipsPerPixel;
        const char* firstLine;
    };
    const Case cases[] = {
        {1024, 768, 15, "Your current screen resolution is set at  1024 by 768 pixles."},
        // Large fonts: 800 by 600 pixels of 12 twips measure 640 by 480 at 15.
        {800, 600, 12, "Your current screen resolution is set at  640 by 480 pixles."},
        {1366, 768, 12, "Your current screen resolution is set at  1092.8 by 614.4 pixles."},
        {1024, 768, 10,
         "Your current screen resolution is set at  682.666666666667 by 512 pixles."},
        {640, 480, 15, "Your current screen resolution is set at  640 by 480 pixles."},
    };
    for (const Case& c : cases) {
        const testing::FakeScreen screen(c.width, c.height, c.twipsPerPixel);
        const Message message = ScreenResolutionMessage(screen);
        EXPECT_EQ(message.text, std::string(c.firstLine) + "\r\n" + kSteps)
            << c.width << "x" << c.height << " at " << c.twipsPerPixel;
        EXPECT_EQ(message.icon, Icon::Exclamation);
        EXPECT_EQ(message.buttons, Buttons::Ok);
        EXPECT_EQ(message.title, "The Vantrel Velocarta");
    }
}

TEST(NumberText, BlankBeforeNonNegativeAndDecimalsOnlyWhenFractional) {
    const std::pair<double, const char*> cases[] = {
        {800, " 800"},    {0, " 0"},  {1092.8, " 1092.8"}, {2.0 / 3, " .666666666666667"},
        {0.5, " .5"},     {-3, "-3"}, {-0.25, "-.25"},     {682.0 + 2.0 / 3, " 682.666666666667"},
        {1e15, " 1E+15"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(NumberText(value), text) << value;
    }
}

}  // namespace
}  // namespace velocarta
