// Damaged and hostile input: a document of what can be read, never a crash, a hang or
// memory out of all proportion.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "content/rtf/plain_text.h"
#include "content/rtf/reader.h"
#include "test_helpers.h"

namespace velocarta::rtf {
namespace {

std::string Repeat(std::string_view piece, std::size_t count) {
    std::string out;
    out.reserve(piece.size() * count);
    for (std::size_t i = 0; i < count; ++i) {
        out += piece;
    }
    return out;
}

TEST(Robustness, DamagedDocumentsKeepWhatCanBeRead) {
    const struct {
        std::string name;
        std::string rtf;
        std::string text;
    } cases[] = {
        {"unclosed groups", R"({\rtf1 a{\b b{\i c)", "abc\n"},
        {"extra closing braces", R"({\rtf1 a}}} b})", "a\n"},
        {"100,000 nested groups",
         "{\\rtf1 " + Repeat("{", 100'000) + "deep" + Repeat("}", 100'000) + " after}",
         "deep after\n"},
        {"100,000 unclosed groups", "{\\rtf1 " + Repeat("{\\b ", 100'000) + "deep", "deep\n"},
        {"\\bin longer than the file", R"({\rtf1 a{\pict\pngblip\bin999999999 xyz}} b})", "a\n"},
        {"negative \\bin", R"({\rtf1 a\bin-5 b})", "ab\n"},
        {"50-digit numbers",
         "{\\rtf1 \\fs" + std::string(50, '9') + " a\\u" + std::string(50, '9') + " b\\cellx-" +
             std::string(50, '9') + " c}",
         "ac\n"},
        {"300-letter keywords",
         "{\\rtf1 \\" + std::string(300, 'a') + "12 text {\\*\\" + std::string(300, 'b') +
             " gone} kept}",
         "text  kept\n"},
        {"truncated hex", R"({\rtf1 caf\'e)", "cafe\n"},
        {"truncated control word", R"({\rtf1 abc\pa)", "abc\n"},
        {"truncated picture", R"({\rtf1 a{\pict\pngblip 8950)", "a\n"},
        {"truncated field", R"({\rtf1 {\field{\*\fldinst HYPERLINK "x)", ""},
        {"cell marks without a table", R"({\rtf1 a\cell\row\nestcell\nestrow b\par})", "a\n\nb\n"},
        {"deep table levels", R"({\rtf1\intbl\itap999 x\nestcell\nestrow\pard y\par})", "x\ny\n"},
        {"stray \\* and unknown symbols", R"({\rtf1 \* a\|\:\*b})", " ab\n"},
        {"NUL bytes", std::string("{\\rtf1 a\0b}", 11), "ab\n"},
    };
    for (const auto& c : cases) {
        Document document;
        ASSERT_NO_THROW(document = Read(c.rtf)) << c.name;
        EXPECT_EQ(PlainText(document), c.text) << c.name;
    }
}

TEST(Robustness, TruncatedAnywhereStillReads) {
    const std::string whole =
        testing::ReadFile(std::string(VELOCARTA_RTF_CORPUS) + "/options.libreoffice.rtf");
    const std::string expected = PlainText(Read(whole));
    std::size_t longest = 0;
    for (std::size_t length = 5; length < whole.size(); length += 97) {
        const std::string text = PlainText(Read(std::string_view(whole).substr(0, length)));
        // What a prefix shows is never more than the whole document's text.
        EXPECT_LE(text.size(), expected.size() + 16) << length;
        longest = std::max(longest, text.size());
    }
    EXPECT_GT(longest, expected.size() / 2);
}

TEST(Robustness, RandomBytesAfterTheHeaderReadQuickly) {
    std::mt19937 random(20'000);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 50; ++round) {
        std::string rtf = "{\\rtf1 ";
        for (int i = 0; i < 20'000; ++i) {
            // Mostly syntax, so that the random bytes reach deep into the reader.
            const int value = byte(random);
            rtf += value < 40 ? "{}\\'*"[value % 5] : static_cast<char>(value);
        }
        EXPECT_NO_THROW(PlainText(Read(rtf))) << round;
    }
}

TEST(Robustness, ManyParagraphsAndCellsStayLinear) {
    const Document cells = Read("{\\rtf1 \\intbl " + Repeat("a\\cell ", 100'000) + "\\row}");
    ASSERT_NE(testing::FirstTable(cells), nullptr);
    // A row keeps 4096 cells; the text of the others joins the last one.
    EXPECT_EQ(testing::FirstTable(cells)->rows.at(0).cells.size(), 4096U);
    const std::string text = PlainText(cells);
    EXPECT_EQ(std::count(text.begin(), text.end(), 'a'), 100'000);
    const Document paragraphs = Read("{\\rtf1 " + Repeat("x\\par ", 200'000) + "}");
    EXPECT_EQ(paragraphs.blocks.size(), 200'000U);
}

// Found by the fuzzer: edges and numbers at the end of int must not overflow.
TEST(Robustness, ExtremeLengthsAndNumbersStayInRange) {
    const std::string huge = "2147483647";
    const Document table = Read("{\\rtf1\\trowd\\trleft" + huge + "\\cellx" + huge + "\\cellx-" +
                                huge + "\\intbl a\\cell b\\cell c\\cell\\row}");
    EXPECT_EQ(PlainText(table), "a\tb\tc\n");
    const Document indents =
        Read("{\\rtf1\\li" + huge + "\\fi-" + huge + "\\tx" + huge + " x\\par}");
    EXPECT_EQ(testing::Paragraphs(indents).at(0)->format.leftIndent, 1'000'000);
    const Document list = Read(
        "{\\rtf1{\\*\\listtable{\\list{\\listlevel\\levelnfc0\\levelstartat" + huge +
        "{\\leveltext\\'01\\'00;}}\\listid1}}{\\*\\listoverridetable{\\listoverride\\listid1\\ls1}}"
        "\\ls1 a\\par\\ls1 b\\par}");
    EXPECT_EQ(PlainText(list), "1000000\ta\n1000000\tb\n");
}

TEST(Robustness, WarningsNameTheDamageButStayFew) {
    const Document document =
        Read("{\\rtf1 " + Repeat("{\\bin1 x}", 1000) + Repeat("{", 2000) + "x");
    EXPECT_FALSE(document.warnings.empty());
    EXPECT_LE(document.warnings.size(), 50U);
}

}  // namespace
}  // namespace velocarta::rtf
