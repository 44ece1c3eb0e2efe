// Paragraphs, lists, tables, pictures and page breaks.
#include <gtest/gtest.h>

#include "content/rtf/plain_text.h"
#include "content/rtf/reader.h"
#include "test_helpers.h"

namespace velocarta::rtf {
namespace {

using testing::FirstTable;
using testing::Paragraphs;
using testing::TextOf;

TEST(ReaderParagraphs, TakeTheirPropertiesAtTheParagraphMark) {
    const Document document = Read(
        R"({\rtf1\pard\qc\li720\ri360\fi-360\sb120\sa240\sl360\slmult1\tx1440\tqr\tx2880 one\par)"
        R"(\pard\qr two\ql\par {\qj three\par}four\par\pard\sl-300 five\par})");
    const auto paragraphs = Paragraphs(document);
    ASSERT_EQ(paragraphs.size(), 5U);
    const ParagraphFormat& one = paragraphs[0]->format;
    EXPECT_EQ(one.alignment, Alignment::Center);
    EXPECT_EQ(one.leftIndent, 720);
    EXPECT_EQ(one.rightIndent, 360);
    EXPECT_EQ(one.firstLineIndent, -360);
    EXPECT_EQ(one.spaceBefore, 120);
    EXPECT_EQ(one.spaceAfter, 240);
    EXPECT_EQ(one.lineSpacing, 360);
    EXPECT_TRUE(one.lineSpacingMultiple);
    EXPECT_EQ(one.tabs, (std::vector<TabStop>{{1440, TabKind::Left}, {2880, TabKind::Right}}));
    // \pard resets; the last alignment before \par counts.
    EXPECT_EQ(paragraphs[1]->format.alignment, Alignment::Left);
    EXPECT_EQ(paragraphs[1]->format.leftIndent, 0);
    EXPECT_EQ(paragraphs[2]->format.alignment, Alignment::Justify);
    // The group ended: back to the properties before it.
    EXPECT_EQ(paragraphs[3]->format.alignment, Alignment::Left);
    EXPECT_EQ(paragraphs[4]->format.lineSpacing, -300);
    EXPECT_FALSE(paragraphs[4]->format.lineSpacingMultiple);
}

// What follows the document's closing brace ("six") is no part of it.
TEST(ReaderParagraphs, PageBreaksGoOnTheFollowingParagraph) {
    const Document document =
        Read(R"({\rtf1 one\page two\par\page three\par\sect four\par\sbknone\sect five\par})"
             R"(\pard\pagebb six\par})");
    const auto paragraphs = Paragraphs(document);
    std::vector<std::pair<std::string, bool>> breaks;
    for (const Paragraph* paragraph : paragraphs) {
        breaks.emplace_back(TextOf(*paragraph), paragraph->format.pageBreakBefore);
    }
    EXPECT_EQ(
        breaks,
        (std::vector<std::pair<std::string, bool>>{
            {"one", false}, {"two", true}, {"three", true}, {"four", true}, {"five", false}}));
}

TEST(ReaderLists, ShowTheWritersListText) {
    const Document document =
        Read(R"({\rtf1{\fonttbl{\f0 Arial;}{\f1\fcharset2 Symbol;}})"
             R"({\pntext\f1\'b7\tab}{\*\pn\pnlvlblt{\pntxtb\'b7}}\fi-360\li360 first\par)"
             R"({\pntext\f1\'b7\tab}second\par\pard{\pntext 3.\tab}third\par\pard plain\par})");
    EXPECT_EQ(PlainText(document), "•\tfirst\n•\tsecond\n3.\tthird\nplain\n");
    const auto paragraphs = Paragraphs(document);
    EXPECT_NE(paragraphs[0]->format.listId, 0);
    EXPECT_EQ(paragraphs[3]->format.listId, 0);
    EXPECT_EQ(paragraphs[0]->listTextFormat.font, 1);
}

TEST(ReaderLists, NumberWord6ParagraphsThatHaveNoListText) {
    const Document document = Read(
        R"({\rtf1{\fonttbl{\f0 Arial;}{\f1\fcharset2 Symbol;}})"
        R"({\pntext\f1\'b7\tab}{\*\pn\pnlvlblt\pnf1{\pntxtb\'b7}}first\par\par)"
        R"(\pard{\*\pn\pnlvlbody\pndec\pnstart3{\pntxta .}}one\par two\par{\pntext 9.\tab}three\par)"
        R"(\pard{\*\pn\pnlvlbody\pnlcrm{\pntxtb (}{\pntxta )}}r\par\pard plain\par})");
    // The empty item keeps its bullet; \pntext, where the writer gave it, is shown as it is.
    EXPECT_EQ(PlainText(document), "•\tfirst\n•\t\n3.\tone\n4.\ttwo\n9.\tthree\n(i)\tr\nplain\n");
}

// A list table as word processors write it: a bullet list and a numbered outline.
constexpr std::string_view kListTable =
    R"({\rtf1{\fonttbl{\f0 Arial;}{\f1\fcharset2 Symbol;}})"
    R"({\*\listtable{\list\listtemplateid1{\listlevel\levelnfc23{\leveltext\'01\u-3913 ?;})"
    R"({\levelnumbers;}\f1}{\listlevel\levelnfc23{\leveltext\'01o;}}\listid10})"
    R"({\list{\listlevel\levelnfc0\levelstartat3{\leveltext\'02\'00.;}{\levelnumbers\'01;}})"
    R"({\listlevel\levelnfc4{\leveltext\'04\'00.\'01);}}{\listlevel\levelnfc2{\leveltext\'01\'02;}})"
    R"({\listname outline;}\listid20}})"
    R"({\*\listoverridetable{\listoverride\listid10\listoverridecount0\ls1})"
    R"({\listoverride\listid20\ls2}})";

TEST(ReaderLists, NumberFromTheListTable) {
    const std::string rtf = std::string(kListTable) +
                            R"(\pard\ls1 dot\par\pard\ls1\ilvl1 sub\par)"
                            R"(\pard{\listtext 9.\tab}\ls2 three\par)"
                            R"(\pard\ls2\ilvl1 a\par\pard\ls2\ilvl1 b\par\pard\ls2\ilvl2 roman\par)"
                            R"(\pard\ls2 four\par\pard\ls2\ilvl1 again\par\pard\ls7 unknown\par})";
    EXPECT_EQ(PlainText(Read(rtf)),
              "•\tdot\no\tsub\n3.\tthree\n3.a)\ta\n3.b)\tb\ni\troman\n4.\tfour\n4.a)\tagain\n"
              "unknown\n");
}

TEST(ReaderLists, CountInRomanAndLettersPastTheAlphabet) {
    std::string rtf = R"({\rtf1{\*\listtable{\list{\listlevel\levelnfc1{\leveltext\'01\'00;}})"
                      R"({\listlevel\levelnfc3{\leveltext\'01\'01;}}\listid1}})"
                      R"({\*\listoverridetable{\listoverride\listid1\ls1}})";
    for (int i = 0; i < 28; ++i) {
        rtf += R"(\pard\ls1\ilvl1 x\par)";
    }
    rtf += R"(\pard\ls1 y\par\pard\ls1 y\par\pard\ls1 y\par\pard\ls1 y\par})";
    const std::string text = PlainText(Read(rtf));
    EXPECT_NE(text.find("Z\tx\nAA\tx\nBB\tx\nI\ty\nII\ty\nIII\ty\nIV\ty\n"), std::string::npos)
        << text;
}

TEST(ReaderTables, BuildRowsAndCellsWithRowDefinitionsBeforeOrAfter) {
    const Document document =
        Read(R"({\rtf1 before\par\trowd\cellx1000\cellx2000\intbl a\cell b\cell\row)"
             R"(\intbl c\par c2\cell d\cell\trowd\cellx1000\cellx3000\row\pard after\par})");
    EXPECT_EQ(PlainText(document), "before\na\tb\nc c2\td\nafter\n");
    const Table* table = FirstTable(document);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->columnEdges, (std::vector<int>{1000, 2000, 3000}));
    ASSERT_EQ(table->rows.size(), 2U);
    const Cell& wide = table->rows[1].cells[1];
    EXPECT_EQ(wide.column, 1);
    EXPECT_EQ(wide.columnSpan, 2);
    EXPECT_EQ(table->rows[1].cells[0].blocks.size(), 2U);
}

TEST(ReaderTables, MergeCellsAcrossAndDown) {
    const Document document = Read(
        R"({\rtf1\trowd\clmgf\cellx1000\clmrg\cellx2000\cellx3000\intbl wide\cell\cell x\cell\row)"
        R"(\trowd\clvmgf\cellx1000\cellx2000\cellx3000\intbl tall\cell y\cell z\cell\row)"
        R"(\trowd\clvmrg\cellx1000\cellx2000\cellx3000\intbl\cell y2\cell z2\cell\row)"
        R"(\trowd\clvmrg\cellx1000\cellx2000\cellx3000\intbl\cell y3\cell z3\cell\row})");
    const Table* table = FirstTable(document);
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->rows.size(), 4U);
    ASSERT_EQ(table->rows[0].cells.size(), 2U);
    EXPECT_EQ(table->rows[0].cells[0].columnSpan, 2);
    EXPECT_EQ(table->rows[0].cells[1].column, 2);
    EXPECT_EQ(table->rows[1].cells[0].rowSpan, 3);
    EXPECT_TRUE(table->rows[2].cells[0].covered);
    EXPECT_TRUE(table->rows[3].cells[0].covered);
    EXPECT_FALSE(table->rows[2].cells[1].covered);
    EXPECT_EQ(PlainText(document, TableText::ParagraphPerLine),
              "wide\nx\ntall\ny\nz\n\ny2\nz2\n\ny3\nz3\n");
}

TEST(ReaderTables, NestTablesInsideCells) {
    const Document document = Read(
        R"({\rtf1\trowd\cellx3000\cellx6000\pard\intbl\itap1 outer\par)"
        R"(\pard\intbl\itap2 i1\nestcell i2\nestcell{\*\nesttableprops\trowd\cellx1000\cellx2000)"
        R"(\nestrow}{\nonesttables\par}\pard\intbl\itap1 tail\cell right\cell\row})");
    const Table* outer = FirstTable(document);
    ASSERT_NE(outer, nullptr);
    ASSERT_EQ(outer->rows.size(), 1U);
    const Cell& left = outer->rows[0].cells[0];
    ASSERT_EQ(left.blocks.size(), 3U);
    const auto* inner = std::get_if<Table>(&left.blocks[1].content);
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->columnEdges, (std::vector<int>{1000, 2000}));
    ASSERT_EQ(inner->rows.size(), 1U);
    EXPECT_EQ(inner->rows[0].cells.size(), 2U);
    EXPECT_EQ(PlainText(document), "outer i1 i2 tail\tright\n");
}

TEST(ReaderTables, EndWithoutARowMarkStillShowTheirCells) {
    EXPECT_EQ(PlainText(Read(R"({\rtf1\intbl a\cell b\cell\pard after\par})")), "a\tb\nafter\n");
    EXPECT_EQ(PlainText(Read(R"({\rtf1\trowd\cellx100\intbl a\cell b)")), "a\tb\n");
    // More cells than definitions: the extra cells get a width of their own.
    const Document document = Read(R"({\rtf1\trowd\cellx500\intbl a\cell b\cell c\cell\row})");
    EXPECT_EQ(FirstTable(document)->columnEdges, (std::vector<int>{500, 1940, 3380}));
}

TEST(ReaderPictures, KeepPngAndJpegDataAtTheirShownSize) {
    const std::string jpeg = "\xFF\xD8\xFF\xE0{}\\";
    const Document document = Read(
        R"({\rtf1 a{\pict\pngblip\picw10\pich20\picwgoal600\pichgoal300 89504e47 0d0A}b)"
        R"({\pict\jpegblip\picw10\pich20\picscalex50\picscaley200\bin)" +
        std::to_string(jpeg.size()) + " " + jpeg +
        R"(}{\pict\wmetafile8\picw2540\pich1270 0100}{\*\shppict{\pict\pngblip\picwgoal15 00}})"
        R"({\nonshppict{\pict\wmetafile8 00}}{\pict\pngblip{\*\blipuid 1234}ab}})");
    const auto paragraphs = Paragraphs(document);
    ASSERT_EQ(paragraphs.size(), 1U);
    std::vector<Picture> pictures;
    for (const Inline& item : paragraphs[0]->content) {
        if (const auto* picture = std::get_if<Picture>(&item)) {
            pictures.push_back(*picture);
        }
    }
    ASSERT_EQ(pictures.size(), 5U);
    EXPECT_EQ(pictures[0].format, PictureFormat::Png);
    EXPECT_EQ(pictures[0].data, std::string("\x89PNG\r\n", 6));
    EXPECT_EQ(pictures[0].widthTwips, 600);
    EXPECT_EQ(pictures[0].heightTwips, 300);
    EXPECT_EQ(pictures[1].format, PictureFormat::Jpeg);
    EXPECT_EQ(pictures[1].data, jpeg);
    EXPECT_EQ(pictures[1].widthTwips, 75);  // 10 pixels of 15 twips, at half size
    EXPECT_EQ(pictures[1].heightTwips, 600);
    // A metafile keeps its size (hundredths of a millimetre) but no data.
    EXPECT_EQ(pictures[2].format, PictureFormat::Metafile);
    EXPECT_TRUE(pictures[2].data.empty());
    EXPECT_EQ(pictures[2].widthTwips, 1440);
    EXPECT_EQ(pictures[2].heightTwips, 720);
    EXPECT_EQ(pictures[3].widthTwips, 15);
    EXPECT_EQ(pictures[4].data, "\xAB");
    EXPECT_EQ(PlainText(document), "ab\n");
}

}  // namespace
}  // namespace velocarta::rtf
