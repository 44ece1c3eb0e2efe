#include <gtest/gtest.h>

#include <stdexcept>

#include "rtf_text.h"
#include "sampledisc/html_writer.h"
#include "sampledisc/rtf_writer.h"

namespace velocarta::sampledisc {
namespace {

using testing::BracesBalance;
using testing::CollapseSpace;
using testing::RtfPlainText;

constexpr RtfDialect kDialects[] = {RtfDialect::WordPad, RtfDialect::Word, RtfDialect::Word6};

const char* kSample =
    "Title: The “Kestrel Jet” — 1968\n"
    "\n"
    "## Under the hood {really}\n"
    "The **430** V8 made *340 hp* at __5,400 rpm__; café racers said ≈ 360.\n"
    "A back\\slash, braces {} and a car 🚗 too.\n"
    "\n"
    "- Four-barrel carburettor\n"
    "- Ram-air hood scoop\n"
    "1. Order it\n"
    "2. Drive it\n"
    "\n"
    "| Engine | hp |\n"
    "|---|---|\n"
    "| 430 Kestrel Jet | 340 |\n"
    "| 385 Torvale | 318 |\n"
    "\n"
    "[picture]\n"
    "[page]\n"
    "The end — naïve façade, 5 × 3.\n";

EmbeddedPicture TinyJpeg() {
    return {EmbeddedPicture::Format::Jpeg, std::string("\xFF\xD8\xFF\xE0\x00\x10JFIF\xFF\xD9", 12),
            4, 3};
}

std::string Write(RtfDialect dialect, const char* text = kSample) {
    const EmbeddedPicture picture = TinyJpeg();
    RtfLook look;
    look.dialect = dialect;
    return WriteRtf(ParseSourceText(text), look, &picture);
}

class EveryDialect : public ::testing::TestWithParam<RtfDialect> {};

TEST_P(EveryDialect, IsWellFormedWindowsRtf) {
    const std::string rtf = Write(GetParam());
    EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg1252", 0), 0U);
    EXPECT_TRUE(BracesBalance(rtf));
    EXPECT_EQ(rtf.substr(rtf.size() - 3), "}\r\n");
    for (const char c : rtf) {
        ASSERT_TRUE(c == '\r' || c == '\n' || (c >= 0x20 && c < 0x7F))
            << "RTF is 7-bit text, found byte " << static_cast<int>(static_cast<unsigned char>(c));
    }
    // Lines stay short, as word processors write them (the picture's hex lines are 128).
    std::size_t longest = 0;
    std::size_t length = 0;
    for (const char c : rtf) {
        length = c == '\n' ? 0 : length + 1;
        longest = std::max(longest, length);
    }
    EXPECT_LE(longest, 400U);
}

TEST_P(EveryDialect, ReadsBackAsTheText) {
    const std::string text = RtfPlainText(Write(GetParam()));
    EXPECT_EQ(CollapseSpace(text),
              "The “Kestrel Jet” — 1968 Under the hood {really} The 430 V8 made 340 hp at 5,400 "
              "rpm; café racers said ≈ 360. A back\\slash, braces {} and a car 🚗 too. Four-barrel "
              "carburettor Ram-air hood scoop Order it Drive it Engine|hp| 430 Kestrel "
              "Jet|340| 385 Torvale|318| The end — naïve façade, 5 × 3.");
    EXPECT_NE(text.find('\f'), std::string::npos) << "the page break";
    EXPECT_NE(text.find("Engine|hp|\n"), std::string::npos) << "a table row ends its line";
}

TEST_P(EveryDialect, MarksAttributesAndEmbedsThePicture) {
    const std::string rtf = Write(GetParam());
    for (const char* word :
         {"\\b", "\\i", "\\ul", "\\qc", "\\cf", "\\fs", "\\li", "\\fi-", "\\trowd", "\\cellx9360",
          "\\intbl", "\\page", "{\\pict\\jpegblip\\picw4\\pich3\\picwgoal60\\pichgoal45"}) {
        EXPECT_NE(rtf.find(word), std::string::npos) << word;
    }
    EXPECT_NE(rtf.find("ffd8ffe000104a464946ffd9}"), std::string::npos) << "the picture's hex";
    EXPECT_EQ(std::count(rtf.begin(), rtf.end(), '{') > 5, true);
    // Three rows with two cells each.
    std::size_t rows = 0;
    for (std::size_t at = rtf.find("\\row"); at != std::string::npos;
         at = rtf.find("\\row", at + 1)) {
        rows += rtf.compare(at, 5, "\\rowd") != 0 ? 1 : 0;
    }
    EXPECT_EQ(rows, 3U);
}

INSTANTIATE_TEST_SUITE_P(Dialects, EveryDialect, ::testing::ValuesIn(kDialects));

TEST(RtfWriter, DialectsDifferAsRealWordProcessors) {
    const std::string wordpad = Write(RtfDialect::WordPad);
    const std::string word = Write(RtfDialect::Word);
    const std::string word6 = Write(RtfDialect::Word6);
    EXPECT_NE(wordpad.find("\\viewkind4\\uc1"), std::string::npos);
    EXPECT_EQ(wordpad.find("\\stylesheet"), std::string::npos);
    EXPECT_NE(wordpad.find("{\\pntext\\f2 \\'b7\\tab}"), std::string::npos);
    EXPECT_NE(wordpad.find("\\b 430\\b0"), std::string::npos) << "toggles";

    EXPECT_NE(word.find("{\\stylesheet"), std::string::npos);
    EXPECT_NE(word.find("{\\*\\listtable"), std::string::npos);
    EXPECT_NE(word.find("{\\listtext\\pard\\plain\\f2\\fs24 \\'b7\\tab}"), std::string::npos);
    EXPECT_NE(word.find("\\ls2"), std::string::npos) << "numbered list";
    EXPECT_EQ(word.find("\\pntext"), std::string::npos);
    EXPECT_NE(word.find("{\\b 430}"), std::string::npos) << "groups";

    EXPECT_NE(word6.find("{\\stylesheet"), std::string::npos);
    EXPECT_EQ(word6.find("\\listtable"), std::string::npos);
    EXPECT_NE(word6.find("{\\pntext\\pard\\plain\\f6\\fs22 2.\\tab}"), std::string::npos);
    EXPECT_NE(word6.find("\\pnlvlbody\\pndec\\pnstart2"), std::string::npos);
}

TEST(RtfWriter, EscapesCharactersByCodePageAndUnicode) {
    struct Case {
        RtfDialect dialect;
        const char* character;
        const char* written;
    };
    const std::vector<Case> cases{
        {RtfDialect::WordPad, "é", "\\'e9"},
        {RtfDialect::Word, "é", "\\'e9"},
        {RtfDialect::WordPad, "“", "\\'93"},
        {RtfDialect::Word6, "—", "\\'97"},
        {RtfDialect::Word, "“", "\\u8220\\'93"},  // Unicode with the code-page byte behind it
        {RtfDialect::Word, "—", "\\u8212\\'97"},
        {RtfDialect::WordPad, "≈", "\\u8776?"},
        {RtfDialect::Word6, "−", "\\u8722-"},  // minus sign falls back to a hyphen
        {RtfDialect::WordPad, "Ā", "\\u256?"},
        {RtfDialect::Word, "🚗", "\\u-10179?\\u-8553?"},  // a surrogate pair, signed
        {RtfDialect::WordPad, "{", "\\{"},
        {RtfDialect::WordPad, "\\", "\\\\"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.character);
        const std::string rtf =
            Write(c.dialect, (std::string("Title: t\n\nx ") + c.character + " y").c_str());
        EXPECT_NE(rtf.find(std::string("x ") + c.written + " y"), std::string::npos) << rtf;
    }
}

TEST(RtfWriter, FallbackBlanksAreNotTakenForDelimiters) {
    // A thin space falls back to a blank, which would end the \u word unseen.
    const std::string rtf = Write(RtfDialect::WordPad, "Title: t\n\nx\u2009y");
    EXPECT_NE(rtf.find("x\\u8201\\'20y"), std::string::npos) << rtf;
    EXPECT_EQ(CollapseSpace(RtfPlainText(rtf)), "t x\u2009y");
}

TEST(RtfWriter, CompactDocumentsFitTheDetailsBox) {
    const SourceDocument doc =
        ParseSourceText("Title: Danbury Mint 1965 fastback\n\nIssue price **$94**.\n\nRare.");
    for (const RtfDialect dialect : kDialects) {
        SCOPED_TRACE(static_cast<int>(dialect));
        RtfLook look;
        look.dialect = dialect;
        look.compact = true;
        const std::string rtf = WriteRtf(doc, look, nullptr);
        EXPECT_NE(rtf.find("\\fs22 Danbury"), std::string::npos) << rtf;
        EXPECT_NE(rtf.find("\\fs18"), std::string::npos);
        EXPECT_EQ(rtf.find("\\par\r\n\\par\r\n\\p"), std::string::npos) << "no spacing paragraphs";
        look.compact = false;
        EXPECT_EQ(WriteRtf(doc, look, nullptr).find("\\fs22 Danbury"), std::string::npos);
    }
}

TEST(RtfWriter, PngPicturesAndMissingPictures) {
    const EmbeddedPicture png{EmbeddedPicture::Format::Png, "\x89PNG", 2, 2};
    RtfLook look;
    const SourceDocument doc = ParseSourceText("Title: t\n\n[picture]\n");
    EXPECT_NE(WriteRtf(doc, look, &png).find("{\\pict\\pngblip\\picw2\\pich2"), std::string::npos);
    EXPECT_THROW(WriteRtf(doc, look, nullptr), std::invalid_argument);
    EXPECT_NO_THROW(WriteRtf(ParseSourceText("Title: t\n\nno picture"), look, nullptr));
}

TEST(HelpHtml, ContentsLinkEveryHeading) {
    const std::string html = WriteHelpHtml(ParseSourceText(
        "Title: Help & more\n\nIntro <b>.\n\n## First\n- one\n- two\n3. three\n\n## Second\n"
        "| a | b |\n| c | d |\n[page]\n[picture]\n"));
    EXPECT_EQ(html.rfind("<!DOCTYPE html>", 0), 0U);
    for (const char* part :
         {"<meta charset=\"utf-8\">", "<title>Help &amp; more</title>", "<h1>Help &amp; more</h1>",
          "<li><a href=\"#topic1\">First</a></li>", "<li><a href=\"#topic2\">Second</a></li>",
          "<h2><a name=\"topic1\"></a>First</h2>", "<p>Intro &lt;b&gt;.</p>",
          "<ul>\n<li>one</li>\n<li>two</li>\n</ul>\n<ol start=\"3\">\n<li>three</li>\n</ol>",
          "<tr><th>a</th><th>b</th></tr>", "<tr><td>c</td><td>d</td></tr>", "<hr>"}) {
        EXPECT_NE(html.find(part), std::string::npos) << part;
    }
}

}  // namespace
}  // namespace velocarta::sampledisc
