#include <gtest/gtest.h>

#include <stdexcept>

#include "sampledisc/source_text.h"
#include "sampledisc/text_encoding.h"

namespace velocarta::sampledisc {
namespace {

std::string Plain(const RichLine& line) {
    return EncodeUtf8(PlainText(line));
}

TEST(SourceText, NeedsTheTitleLine) {
    for (const char* text : {"", "The 1965 Vantrel\n\nBody.", "Title:\n\nBody.", "Title:   \n"}) {
        EXPECT_THROW(ParseSourceText(text), std::runtime_error) << text;
    }
    EXPECT_EQ(EncodeUtf8(ParseSourceText("Title:  The 1965 Vantrel  \n").title),
              "The 1965 Vantrel");
}

TEST(SourceText, RejectsTextThatIsNotUtf8) {
    EXPECT_THROW(ParseSourceText("Title: Caf\xE9\n"), std::runtime_error);
    EXPECT_THROW(ParseSourceText("Title: x\n\n\xE2\x80"), std::runtime_error);
    EXPECT_THROW(ParseSourceText("Title: x\n\n\xC0\xAF"), std::runtime_error);  // overlong
}

TEST(SourceText, ReadsEveryKindOfBlock) {
    const SourceDocument doc = ParseSourceText(
        "\xEF\xBB\xBFTitle: Engines\r\n"
        "\r\n"
        "## The six\r\n"
        "First line of a paragraph\r\n"
        "and its second line.\r\n"
        "\r\n"
        "- a bullet\r\n"
        "  that goes on\r\n"
        "- another\r\n"
        "12. twelve\r\n"
        "3. three\r\n"
        "| Engine | hp |\r\n"
        "|---|:---:|\r\n"
        "| 172 six | 98 |\r\n"
        "[picture]\r\n"
        "  [page]  \r\n"
        "Last words.");
    EXPECT_EQ(EncodeUtf8(doc.title), "Engines");
    struct Expected {
        BlockKind kind;
        std::string text;
        int number;
    };
    const std::vector<Expected> expected{
        {BlockKind::Heading, "The six", 0},
        {BlockKind::Paragraph, "First line of a paragraph and its second line.", 0},
        {BlockKind::Bullet, "a bullet that goes on", 0},
        {BlockKind::Bullet, "another", 0},
        {BlockKind::Numbered, "twelve", 12},
        {BlockKind::Numbered, "three", 3},
        {BlockKind::Table, "", 0},
        {BlockKind::Picture, "", 0},
        {BlockKind::PageBreak, "", 0},
        {BlockKind::Paragraph, "Last words.", 0},
    };
    ASSERT_EQ(doc.blocks.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(doc.blocks[i].kind, expected[i].kind);
        EXPECT_EQ(Plain(doc.blocks[i].text), expected[i].text);
        EXPECT_EQ(doc.blocks[i].number, expected[i].number);
    }
    const Block& table = doc.blocks[6];
    ASSERT_EQ(table.rows.size(), 2U);  // the separator row is no row
    ASSERT_EQ(table.rows[0].size(), 2U);
    EXPECT_EQ(Plain(table.rows[0][0]), "Engine");
    EXPECT_EQ(Plain(table.rows[1][0]), "172 six");
    EXPECT_EQ(Plain(table.rows[1][1]), "98");
}

TEST(SourceText, SeparatesTablesAndKeepsLookalikesAsText) {
    const SourceDocument doc = ParseSourceText(
        "Title: t\n\n| a |\n| b |\n\n| c |\n1964. was the year\n1.5 litres\n-minus\n###x");
    ASSERT_EQ(doc.blocks.size(), 3U);
    EXPECT_EQ(doc.blocks[0].rows.size(), 2U);
    EXPECT_EQ(doc.blocks[1].rows.size(), 1U);
    // A line that begins with a year is no numbered item: paragraphs wrap anywhere.
    EXPECT_EQ(doc.blocks[2].kind, BlockKind::Paragraph);
    EXPECT_EQ(Plain(doc.blocks[2].text), "1964. was the year 1.5 litres -minus ###x");
}

TEST(SourceText, InlineMarkers) {
    struct Case {
        const char32_t* text;
        std::vector<TextRun> runs;
    };
    const std::vector<Case> cases{
        {U"plain", {{U"plain"}}},
        {U"a **bold** b", {{U"a "}, {U"bold", true}, {U" b"}}},
        {U"*it* and __under__", {{U"it", false, true}, {U" and "}, {U"under", false, false, true}}},
        {U"**bold *both* bold**", {{U"bold ", true}, {U"both", true, true}, {U" bold", true}}},
        {U"5 * 3 = 15", {{U"5 * 3 = 15"}}},
        {U"an ** open marker", {{U"an ** open marker"}}},
        {U"car_door and __x", {{U"car_door and __x"}}},
        {U"***", {{U"***"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(EncodeUtf8(c.text));
        EXPECT_EQ(ParseInline(c.text), c.runs);
    }
}

TEST(TextEncoding, Windows1252AndFallbacks) {
    EXPECT_EQ(ToWindows1252(U'A'), 'A');
    EXPECT_EQ(ToWindows1252(U'\u00E9'), 0xE9);  // é
    EXPECT_EQ(ToWindows1252(U'\u201C'), 0x93);  // “
    EXPECT_EQ(ToWindows1252(U'\u2014'), 0x97);  // —
    EXPECT_EQ(ToWindows1252(U'\u20AC'), 0x80);  // €
    EXPECT_FALSE(ToWindows1252(U'\u2248'));     // ≈
    EXPECT_FALSE(ToWindows1252(U'\u0081'));     // a gap of the code page
    EXPECT_EQ(AsciiFallback(U'\u2212'), '-');
    EXPECT_EQ(AsciiFallback(U'\u00E9'), 'e');
    EXPECT_EQ(AsciiFallback(U'\u2248'), '?');
    EXPECT_EQ(DecodeUtf8(EncodeUtf8(U"A\u00E9\u2014\U0001F697")), U"A\u00E9\u2014\U0001F697");
}

}  // namespace
}  // namespace velocarta::sampledisc
