#include "content/text.h"

#include <gtest/gtest.h>

#include "content/utilities.h"
#include "platform/posix/posix_file_system.h"
#include "support/fake_services.h"
#include "support/temp_folder.h"

namespace velocarta {
namespace {

TEST(DoubleAmpersands, DoublesEveryAmpersand) {
    EXPECT_EQ(DoubleAmpersands("Vantrel & Halders"), "Vantrel && Halders");
    EXPECT_EQ(DoubleAmpersands("a&b"), "a&&b");
    EXPECT_EQ(DoubleAmpersands("&&"), "&&&&");
    EXPECT_EQ(DoubleAmpersands("&"), "&&");
    EXPECT_EQ(DoubleAmpersands("Vantrel Illustrated"), "Vantrel Illustrated");
    EXPECT_EQ(DoubleAmpersands(""), "");
}

TEST(ScreenIs, ExactPixelsAtFifteenTwips) {
    struct Case {
        int width, height, twips;
        bool is800x600;
    };
    const Case cases[] = {
        {800, 600, 15, true},
        {1024, 768, 15, false},
        {800, 600, 12, false},
        {640, 480, 15, false},
        {800, 768, 15, false},
        {1024, 600, 15, false},
        // The comparison is in twips: large fonts on a larger screen measure the same.
        {1000, 750, 12, true},
    };
    for (const auto& c : cases) {
        testing::FakeScreen screen(c.width, c.height, c.twips);
        EXPECT_EQ(ScreenIs(screen, 800, 600), c.is800x600)
            << c.width << "x" << c.height << " at " << c.twips;
    }
    testing::FakeScreen huge(2'000'000'000, 2'000'000'000, 15);
    EXPECT_TRUE(ScreenIs(huge, 2'000'000'000, 2'000'000'000));  // no 32-bit overflow
}

TEST(RegisterHelp, NamesTheHelpFileOfTheProgramFolder) {
    testing::TempFolder folder;
    PosixFileSystem fileSystem;
    testing::FakeHelpViewer help;
    // Not there (yet): the designed name, so that the help can say which file it misses.
    RegisterHelp(help, fileSystem, folder.path());
    EXPECT_EQ(help.file, folder.path() + "/vantrel2000.HLP");
    const std::string copy = folder.writeFile("/Vantrel2000.hlp");
    RegisterHelp(help, fileSystem, folder.path());
    EXPECT_EQ(help.file, copy);
    EXPECT_EQ(help.quits, 0);
    QuitHelp(help);
    EXPECT_EQ(help.quits, 1);
}

TEST(Text, MidAndCase) {
    EXPECT_EQ(Mid("1965", 3, 2), "65");
    EXPECT_EQ(Mid("196", 3, 2), "6");
    EXPECT_EQ(Mid("19", 3, 2), "");
    EXPECT_EQ(Mid("abc", 0, 2), "");
    EXPECT_EQ(AsciiUpper("65a.jpg"), "65A.JPG");
    EXPECT_EQ(AsciiUpper("caf\xc3\xa9.jpg"), "CAF\xc3\xa9.JPG");  // é stays as it is
    EXPECT_EQ(AsciiLower("PT002.JPG"), "pt002.jpg");
    EXPECT_TRUE(EqualsIgnoringAsciiCase("RichText", "richtext"));
    EXPECT_FALSE(EqualsIgnoringAsciiCase("RichText", "richtex"));
}

}  // namespace
}  // namespace velocarta
