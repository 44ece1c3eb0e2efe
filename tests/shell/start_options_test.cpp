#include "shell/start_options.h"

#include <gtest/gtest.h>

namespace velocarta {
namespace {

using Arguments = std::vector<std::string>;

TEST(ParseStartOptions, TakesItsOwnOptionsAndLeavesTheRest) {
    struct Case {
        Arguments arguments;
        std::optional<std::string> scale;
        Arguments rest;
    };
    const Case cases[] = {
        {{}, std::nullopt, {}},
        {{"HWI"}, std::nullopt, {"HWI"}},
        {{"--scale=2"}, "2", {}},
        {{"--scale", "1.5", "HWI"}, "1.5", {"HWI"}},
        {{"HWI", "--scale=fit"}, "fit", {"HWI"}},
        {{"-platform", "xcb", "--scale", "fit"}, "fit", {"-platform", "xcb"}},
        {{"--scale=3", "--scale=2"}, "2", {}},  // the last one counts
        {{"--scale="}, "", {}},                 // an empty value, judged later
        {{"--scaled", "-scale"}, std::nullopt, {"--scaled", "-scale"}},
    };
    for (const Case& c : cases) {
        const StartOptions options = ParseStartOptions(c.arguments);
        EXPECT_EQ(options.scale, c.scale) << ::testing::PrintToString(c.arguments);
        EXPECT_EQ(options.rest, c.rest) << ::testing::PrintToString(c.arguments);
        EXPECT_TRUE(options.error.empty()) << ::testing::PrintToString(c.arguments);
        EXPECT_FALSE(options.help || options.version);
    }
}

TEST(ParseStartOptions, HelpVersionAndAMissingValue) {
    EXPECT_TRUE(ParseStartOptions({"--help"}).help);
    EXPECT_TRUE(ParseStartOptions({"HWI", "--version"}).version);
    const StartOptions missing = ParseStartOptions({"HWI", "--scale"});
    EXPECT_EQ(missing.error, "--scale needs a value: \"fit\" or a number from 0.5 to 8");
}

TEST(SettingsFilePath, XdgConfigHomeElseDotConfig) {
    EXPECT_EQ(SettingsFilePath("/cfg", "/home/ann"), "/cfg/velocarta/velocarta.conf");
    EXPECT_EQ(SettingsFilePath("/cfg/", "/home/ann"), "/cfg/velocarta/velocarta.conf");
    EXPECT_EQ(SettingsFilePath("", "/home/ann"), "/home/ann/.config/velocarta/velocarta.conf");
    // A relative XDG_CONFIG_HOME is to be ignored.
    EXPECT_EQ(SettingsFilePath("cfg", "/home/ann"), "/home/ann/.config/velocarta/velocarta.conf");
    EXPECT_EQ(SettingsFilePath("", ""), "");
    EXPECT_EQ(SettingsFilePath("", "relative"), "");
}

TEST(ReadSettings, EntriesCommentsSectionsAndWrongLines) {
    std::vector<int> problems;
    const auto settings = ReadSettings(
        "# The program's settings\r\n"
        "[velocarta]\n"
        "\n"
        "  scale = 1.5  \n"
        "; scale=3\n"
        "nonsense\n"
        "=2\n"
        "other=a=b\n"
        "scale=2",
        problems);
    ASSERT_EQ(settings.size(), 2U);
    EXPECT_EQ(settings.at("scale").value, "2");
    EXPECT_EQ(settings.at("scale").line, 9);
    EXPECT_EQ(settings.at("other").value, "a=b");
    EXPECT_EQ(problems, (std::vector<int>{6, 7}));
}

TEST(DecideScale, CommandLineOverSettingsOverFitted) {
    const std::map<std::string, Setting> settings{{"scale", {"1.5", 3}}};
    EXPECT_EQ(DecideScale(std::nullopt, {}, "f").choice, ScaleChoice{});
    EXPECT_EQ(DecideScale(std::nullopt, settings, "f").choice, (ScaleChoice{false, 1.5}));
    EXPECT_EQ(DecideScale("2", settings, "f").choice, (ScaleChoice{false, 2.0}));
    EXPECT_EQ(DecideScale("fit", settings, "f").choice, ScaleChoice{});
}

TEST(DecideScale, AWrongCommandLineStopsAWrongSettingWarns) {
    const ScaleDecision wrongOption = DecideScale("huge", {}, "f");
    EXPECT_EQ(wrongOption.error, "--scale takes \"fit\" or a number from 0.5 to 8, not \"huge\"");

    const ScaleDecision wrongSetting =
        DecideScale(std::nullopt, {{"scale", {"20", 4}}}, "/home/ann/.config/v.conf");
    EXPECT_TRUE(wrongSetting.error.empty());
    EXPECT_EQ(wrongSetting.choice, ScaleChoice{});
    EXPECT_EQ(wrongSetting.warning,
              "/home/ann/.config/v.conf:4: scale takes \"fit\" or a number from 0.5 to 8, not "
              "\"20\"; the program is fitted to the screen");
}

}  // namespace
}  // namespace velocarta
