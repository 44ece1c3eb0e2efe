// The screen saver program's command line, as xscreensaver and a user give it.
#include <gtest/gtest.h>

#include "screensaver/saver_options.h"

namespace velocarta {
namespace {

TEST(SaverArguments, NoneMeansAWindowOfItsOwn) {
    const SaverOptions options = ParseSaverArguments({}, "");
    EXPECT_EQ(options.target, SaverTarget::OwnWindow);
    EXPECT_EQ(options.error, "");
    // xscreensaver's window counts only for "-root".
    EXPECT_EQ(ParseSaverArguments({}, "0x1200007").target, SaverTarget::OwnWindow);
}

TEST(SaverArguments, RootIsXscreensaversWindowWhenItNamesOne) {
    EXPECT_EQ(ParseSaverArguments({"-root"}, "").target, SaverTarget::Root);
    const SaverOptions fromXscreensaver = ParseSaverArguments({"-root"}, "0x1200007");
    EXPECT_EQ(fromXscreensaver.target, SaverTarget::Window);
    EXPECT_EQ(fromXscreensaver.windowId, 0x1200007u);
    EXPECT_EQ(ParseSaverArguments({"--root"}, "not a window").target, SaverTarget::Root);
}

TEST(SaverArguments, TakeTheirValuesEitherWay) {
    const SaverOptions options = ParseSaverArguments(
        {"-window-id", "0x2a", "--folder=/p/ssvantrels/", "-interval", "15", "-settings", "/s.ini"},
        "");
    EXPECT_EQ(options.error, "");
    EXPECT_EQ(options.target, SaverTarget::Window);
    EXPECT_EQ(options.windowId, 42u);
    EXPECT_EQ(options.photoFolder, "/p/ssvantrels/");
    EXPECT_EQ(options.intervalSeconds, 15);
    EXPECT_EQ(options.settingsFile, "/s.ini");
    EXPECT_EQ(ParseSaverArguments({"--window-id=123"}, "").windowId, 123u);
    EXPECT_TRUE(ParseSaverArguments({"-help"}, "").help);
}

TEST(SaverArguments, MistakesAreNamed) {
    struct Case {
        std::vector<std::string> arguments;
        const char* error;
    };
    for (const Case& c : std::vector<Case>{
             {{"-window-id"}, "-window-id needs a value"},
             {{"-window-id", "0"}, "not a window id: \"0\""},
             {{"-window-id", "0xZZ"}, "not a window id: \"0xZZ\""},
             {{"-window-id", "99999999999"}, "not a window id: \"99999999999\""},
             {{"-interval", "0"}, "not a number of seconds: \"0\""},
             {{"-fast"}, "unknown option \"-fast\""},
             {{"photos"}, "unexpected argument \"photos\""},
         }) {
        EXPECT_EQ(ParseSaverArguments(c.arguments, "").error, c.error);
    }
}

TEST(WindowId, DecimalOrHexadecimal) {
    EXPECT_EQ(ParseWindowId("0x1e00003"), 0x1e00003u);
    EXPECT_EQ(ParseWindowId("0X1E00003"), 0x1e00003u);
    EXPECT_EQ(ParseWindowId("31457283"), 31457283u);
    EXPECT_FALSE(ParseWindowId(""));
    EXPECT_FALSE(ParseWindowId("0x"));
    EXPECT_FALSE(ParseWindowId("-5"));
    EXPECT_FALSE(ParseWindowId("12 "));
}

}  // namespace
}  // namespace velocarta
