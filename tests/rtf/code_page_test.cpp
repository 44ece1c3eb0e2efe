#include "content/rtf/code_page.h"

#include <gtest/gtest.h>

#include <string>

namespace velocarta::rtf {
namespace {

TEST(CodePage, DecodesTheBytesOfEachPage) {
    const struct {
        int codePage;
        unsigned char byte;
        char32_t character;
    } cases[] = {
        {1252, 0x41, U'A'},
        {1252, 0x80, U'\u20AC'},
        {1252, 0x93, U'\u201C'},
        {1252, 0xE9, U'\u00E9'},
        {1252, 0x81, U'\u0081'},  // undefined: the C1 control
        {1250, 0x9A, U'\u0161'},
        {1250, 0xF8, U'\u0159'},
        {1250, 0xA3, U'\u0141'},
        {1251, 0xC0, U'\u0410'},
        {1251, 0xFF, U'\u044F'},
        {1251, 0xB9, U'\u2116'},
        {1253, 0xE1, U'\u03B1'},
        {1253, 0xD9, U'\u03A9'},
        {437, 0xB0, U'\u2591'},
        {850, 0x82, U'\u00E9'},
        {10000, 0x8E, U'\u00E9'},
        {kSymbolCodePage, 0x61, U'\u03B1'},
        {kSymbolCodePage, 0xB7, U'\u2022'},
        {kSymbolCodePage, 0x22, U'\u2200'},
        {kWingdingsCodePage, 0xA7, U'\u25AA'},
        {kWingdingsCodePage, 0x41, U'\u2022'},
        // A page without a table reads as 1252.
        {932, 0xE9, U'\u00E9'},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecodeByte(c.codePage, c.byte), c.character)
            << "page " << c.codePage << " byte " << int{c.byte};
    }
}

TEST(CodePage, MapsCharsetsToPages) {
    const struct {
        int charset;
        int codePage;
    } cases[] = {{0, 1252},   {1, 1251},   {2, kSymbolCodePage}, {77, 10000}, {161, 1253},
                 {186, 1257}, {204, 1251}, {238, 1250},          {255, 850},  {128, 1251}};
    for (const auto& c : cases) {
        EXPECT_EQ(CodePageOfCharset(c.charset, 1251), c.codePage) << c.charset;
    }
    EXPECT_TRUE(IsKnownCodePage(1250));
    EXPECT_TRUE(IsKnownCodePage(kSymbolCodePage));
    EXPECT_FALSE(IsKnownCodePage(932));
}

TEST(CodePage, MapsSymbolFontPrivateUseCharacters) {
    EXPECT_EQ(MapSymbolPrivateUse(kSymbolCodePage, 0xF0B7), U'\u2022');
    EXPECT_EQ(MapSymbolPrivateUse(kSymbolCodePage, 0xF061), U'\u03B1');
    EXPECT_EQ(MapSymbolPrivateUse(1252, 0xF0B7), char32_t{0xF0B7});
    EXPECT_EQ(MapSymbolPrivateUse(kSymbolCodePage, U'x'), U'x');
}

TEST(CodePage, WritesUtf8) {
    const struct {
        char32_t character;
        std::string utf8;
    } cases[] = {{U'A', "A"},
                 {U'\u00E9', "\xC3\xA9"},
                 {U'\u20AC', "\xE2\x82\xAC"},
                 {U'\U0001F697', "\xF0\x9F\x9A\x97"},
                 {0xD800, "\xEF\xBF\xBD"},  // a lone surrogate is no character
                 {0x110000, "\xEF\xBF\xBD"}};
    for (const auto& c : cases) {
        std::string out;
        AppendUtf8(out, c.character);
        EXPECT_EQ(out, c.utf8) << static_cast<unsigned>(c.character);
    }
}

}  // namespace
}  // namespace velocarta::rtf
