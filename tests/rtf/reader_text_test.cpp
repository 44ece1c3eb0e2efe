// Text, characters and their formats, and the destinations that hold no body text.
#include <gtest/gtest.h>

#include "content/rtf/plain_text.h"
#include "content/rtf/reader.h"
#include "test_helpers.h"

namespace velocarta::rtf {
namespace {

using testing::Paragraphs;
using testing::Runs;
using testing::TextOf;

std::string Text(std::string_view rtf) {
    return PlainText(Read(rtf));
}

TEST(ReaderText, DecodesCharactersAndSymbols) {
    const struct {
        std::string_view rtf;
        std::string text;
    } cases[] = {
        {R"({\rtf1 Hello\par World\par})", "Hello\nWorld\n"},
        // The last paragraph needs no \par; an empty one after the last \par is none.
        {R"({\rtf1 a\par b})", "a\nb\n"},
        {R"({\rtf1 a\par\par b\par})", "a\n\nb\n"},
        {R"({\rtf1\ansi caf\'e9 \'80 \'93q\'94})", "café € “q”\n"},
        {R"({\rtf1\ansi\ansicpg1251 \'c4\'e0})", "Да\n"},
        {R"({\rtf1\ansicpg1250 \'9a})", "š\n"},
        {R"({\rtf1\mac \'8e})", "é\n"},
        // High bytes written raw are characters of the code page too.
        {"{\\rtf1\\ansi caf\xE9}", "café\n"},
        {R"({\rtf1 a\~b\-c\_d})", "a\u00A0b\u00ADc\u2011d\n"},
        {R"({\rtf1 \emdash\endash\lquote\rquote\ldblquote\rdblquote\bullet})", "—–‘’“”•\n"},
        {R"({\rtf1 a\tab b\line c})", "a\tb\nc\n"},
        {R"({\rtf1 \{x\}\\})", "{x}\\\n"},
        // Line ends in the file are no text; control characters are dropped.
        {"{\\rtf1 ab\r\ncd\x01\x1f}", "abcd\n"},
        {R"({\rtf1 a\unknownword b\*c\alsounknown d})", "abcd\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Text(c.rtf), c.text) << c.rtf;
    }
}

TEST(ReaderText, SkipsTheUnicodeFallback) {
    const struct {
        std::string_view rtf;
        std::string text;
    } cases[] = {
        {R"({\rtf1 \u8364?uro})", "€uro\n"},
        {R"({\rtf1\uc2 \u955 la!})", "λ!\n"},
        {R"({\rtf1\uc0 \u955 la})", "λla\n"},
        // A \'hh and a control word are one fallback character each.
        {R"({\rtf1 \u233\'e9x \u8220\ldblquote y})", "éx “y\n"},
        // The fallback ends with its group.
        {R"({\rtf1\uc3 {\u955}abc})", "λabc\n"},
        // \uc is a property of the group.
        {R"({\rtf1 {\uc2 \u955 xx}\u956 yz})", "λμz\n"},
        {R"({\rtf1 \u-10179?\u-8553?})", "\U0001F697\n"},
        {R"({\rtf1 \u-3913?})", "\uF0B7\n"},
        // A high surrogate without its low half is dropped.
        {R"({\rtf1 \u65?\u-10179?B})", "AB\n"},
        {R"({\rtf1 {\upr{ansi}{\*\ud{uni\u8364?}}}})", "uni€\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Text(c.rtf), c.text) << c.rtf;
    }
}

TEST(ReaderText, DecodesEachFontInItsCharset) {
    const Document document = Read(
        R"({\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss\fcharset0 Arial;})"
        R"({\f1\froman\fcharset204 Times CYR;}{\f2\fnil\fcharset2 Symbol;}{\f3\fcharset238 CE;})"
        R"({\f4\fcharset161 Greek;}{\f5\fnil\fcharset2 Wingdings;}{\f6\fcharset1 Default;}})"
        R"(\f0\'e9 {\f1\'e9} {\f2 a\'b7 \u61623?} {\f3\'e8} {\f4\'e1} {\f5\'a7} {\f6\'e9}\par})");
    EXPECT_EQ(PlainText(document), "é й α• • č α ▪ é\n");
    ASSERT_EQ(document.fonts.size(), 7U);
    EXPECT_EQ(document.fonts[0].name, "Arial");
    EXPECT_EQ(document.fonts[0].family, FontFamily::Swiss);
    EXPECT_EQ(document.fonts[1].family, FontFamily::Roman);
    EXPECT_EQ(document.defaultFont, 0);
}

TEST(ReaderText, FontTableWithoutGroupsAndUnknownFonts) {
    const Document document =
        Read(R"({\rtf1{\fonttbl\f0\fmodern Courier New;\f7\fcharset238 CE;}\f7\'9a\f9 x})");
    ASSERT_EQ(document.fonts.size(), 2U);
    EXPECT_EQ(document.fonts[0].name, "Courier New");
    EXPECT_EQ(document.fonts[0].family, FontFamily::Modern);
    EXPECT_EQ(document.fonts[1].name, "CE");
    const auto runs = Runs(document);
    ASSERT_EQ(runs.size(), 2U);
    EXPECT_EQ(runs[0]->text, "š");
    EXPECT_EQ(runs[0]->format.font, 1);
    EXPECT_EQ(runs[1]->format.font, -1);
}

TEST(ReaderText, CharacterFormatsFollowGroupsAndToggles) {
    const Document document = Read(
        R"({\rtf1{\colortbl;\red255\green0\blue0;\red0\green0\blue255;})"
        R"(\b bold {\i both}\b0  plain \ul u\ulnone  \uldb dbl\ul0  \ulwave wav\ulnone  )"
        R"(\strike strk\strike0  \fs40 big\fs24  \cf1 red\cf0  \cb2 blue\cb0  \highlight1 hil)"
        R"(\highlight0  \super 2\nosupersub  \sub 3\nosupersub  \caps cap\caps0  \scaps smc\scaps0 )"
        R"( \v hid\v0 .})");
    std::vector<std::pair<std::string, CharFormat>> runs;
    for (const rtf::Run* run : Runs(document)) {
        const auto first = run->text.find_first_not_of(' ');
        const auto last = run->text.find_last_not_of(' ');
        if (first != std::string::npos) {
            runs.emplace_back(run->text.substr(first, last - first + 1), run->format);
        }
    }
    auto find = [&](std::string_view text) -> CharFormat {
        for (const auto& [runText, format] : runs) {
            if (runText == text) {
                return format;
            }
        }
        ADD_FAILURE() << "no run holds " << text;
        return {};
    };
    EXPECT_TRUE(find("bold").bold);
    EXPECT_TRUE(find("both").bold);
    EXPECT_TRUE(find("both").italic);
    EXPECT_FALSE(find("plain").bold);
    EXPECT_FALSE(find("plain").italic);
    EXPECT_EQ(find("u").underline, Underline::Single);
    EXPECT_EQ(find("dbl").underline, Underline::Double);
    EXPECT_EQ(find("wav").underline, Underline::Wave);
    EXPECT_TRUE(find("strk").strike);
    EXPECT_FALSE(find("big").strike);
    EXPECT_EQ(find("big").halfPoints, 40);
    EXPECT_EQ(find("red").foreground, Rgb{0xFF0000});
    EXPECT_EQ(find("blue").background, Rgb{0x0000FF});
    EXPECT_EQ(find("hil").background, Rgb{0xFF0000});
    EXPECT_EQ(find("2").vertical, VerticalAlign::Superscript);
    EXPECT_EQ(find("3").vertical, VerticalAlign::Subscript);
    EXPECT_EQ(find("plain").vertical, VerticalAlign::Baseline);
    EXPECT_EQ(find("plain").halfPoints, 24);
    EXPECT_TRUE(find("cap").caps);
    EXPECT_TRUE(find("smc").smallCaps);
    EXPECT_TRUE(find("hid").hidden);
    // Hidden text stays in the model but not in the text.
    EXPECT_EQ(PlainText(document).find("hid"), std::string::npos);
}

TEST(ReaderText, RunsMergeWhileTheFormatStaysTheSame) {
    const Document document = Read(R"({\rtf1 one {two} \b\b0 three\b  four})");
    const auto runs = Runs(document);
    ASSERT_EQ(runs.size(), 2U);
    EXPECT_EQ(runs[0]->text, "one two three");
    EXPECT_EQ(runs[1]->text, " four");
}

TEST(ReaderText, ColourTableKeepsAutoEntries) {
    const Document document = Read(
        R"({\rtf1{\colortbl;\red1\green2\blue3;;\red300\green0\blue0;}\cf1 a\cf2 b\cf3 c\cf9 d})");
    const auto runs = Runs(document);
    ASSERT_EQ(runs.size(), 4U);
    EXPECT_EQ(runs[0]->format.foreground, Rgb{0x010203});
    EXPECT_EQ(runs[1]->format.foreground, std::nullopt);
    EXPECT_EQ(runs[2]->format.foreground, Rgb{0xFF0000});  // components are clamped
    EXPECT_EQ(runs[3]->format.foreground, std::nullopt);
}

TEST(ReaderText, DestinationsWithoutBodyTextShowNothing) {
    const struct {
        std::string_view rtf;
        std::string text;
    } cases[] = {
        {R"({\rtf1{\stylesheet{\s1 Heading 1;}}a})", "a\n"},
        {R"({\rtf1{\info{\title T}{\author A}{\operator op}}a})", "a\n"},
        {R"({\rtf1{\*\generator Writer;}{\*\unknown {nested} text}a})", "a\n"},
        {R"({\rtf1{\header head\par}{\footer foot}a})", "a\n"},
        {R"({\rtf1 a{\*\bkmkstart x}b{\*\bkmkend x}c})", "abc\n"},
        {R"({\rtf1{\*\themedata 0102\bin3 }}}x}a})", "a\n"},
        {R"({\rtf1 a\bin3 xyzb})", "ab\n"},
        {R"({\rtf1 a{\*\pnseclvl1\pnucrm{\pntxta .}}b})", "ab\n"},
        {R"({\rtf1 a{\*\fldinst PAGE}b})", "ab\n"},
        {R"({\rtf1 note{\footnote\pard text}s and{\footnote x}})", "note1s and2\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Text(c.rtf), c.text) << c.rtf;
    }
    const Document document = Read(R"({\rtf1{\info{\title The \'c9t\u233?}{\author Me}}x})");
    EXPECT_EQ(document.info.title, "The Été");
    EXPECT_EQ(document.info.author, "Me");
}

TEST(ReaderText, FieldsShowTheirResultAndHyperlinksCarryTheirTarget) {
    const Document document = Read(
        R"({\rtf1 See {\field{\*\fldinst{HYPERLINK "http://vantrel.example.org/" }})"
        R"({\fldrslt{\ul\cf1 the club}\plain  site}} now. {\field{\*\fldinst PAGE}{\fldrslt 7}})"
        R"({\field{\*\fldinst HYPERLINK \\l "top"}{\fldrslt up}}})");
    EXPECT_EQ(PlainText(document), "See the club site now. 7up\n");
    const auto runs = Runs(document);
    std::vector<std::pair<std::string, std::string>> links;
    for (const rtf::Run* run : runs) {
        links.emplace_back(run->text, run->format.link);
    }
    EXPECT_EQ(links, (std::vector<std::pair<std::string, std::string>>{
                         {"See ", ""},
                         {"the club", "http://vantrel.example.org/"},
                         {" site", "http://vantrel.example.org/"},
                         {" now. 7", ""},
                         {"up", "#top"}}));
}

TEST(ReaderText, NotRtfIsRefused) {
    for (std::string_view bytes : {std::string_view(""), std::string_view("plain text"),
                                   std::string_view("<html>{\\rtf1}</html>"),
                                   std::string_view("{\\rt"), std::string_view("   ")}) {
        EXPECT_THROW(Read(bytes), NotRtfError) << bytes;
    }
    EXPECT_TRUE(LooksLikeRtf("\xEF\xBB\xBF \r\n{\\rtf1}"));
    EXPECT_NO_THROW(Read("\xEF\xBB\xBF{\\rtf1 a}"));
    EXPECT_NO_THROW(Read("{\\rtf"));
}

}  // namespace
}  // namespace velocarta::rtf
