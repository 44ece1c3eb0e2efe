// The model as a QTextDocument: what the rich-text boxes show and the page printer prints.
#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextImageFormat>
#include <QTextTable>
#include <QUrl>

#include "content/rtf/qt/rich_text.h"
#include "content/rtf/reader.h"
#include "support/temp_folder.h"
#include "test_helpers.h"

namespace velocarta {
namespace {

void Build(std::string_view rtf, QTextDocument& document) {
    BuildTextDocument(rtf::Read(rtf), document);
}

std::vector<QTextBlock> Blocks(const QTextDocument& document) {
    std::vector<QTextBlock> blocks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        blocks.push_back(block);
    }
    return blocks;
}

QTextCharFormat FormatAt(const QTextDocument& document, const QString& text) {
    const QTextCursor found = document.find(text);
    EXPECT_FALSE(found.isNull()) << text.toStdString();
    return found.charFormat();
}

TEST(RichText, BlocksAndCharactersCarryTheirFormats) {
    QTextDocument document;
    Build(R"({\rtf1{\fonttbl{\f0\froman Velocarta Missing Serif;}{\f1\fmodern Courier New;}})"
          R"({\colortbl;\red200\green0\blue0;})"
          R"(\pard\qc\li300\sb150 \b Bold\b0  \i italic\i0  \fs40 big\fs24  \cf1 red\cf0 )"
          R"( \ul under\ulnone  \strike gone\strike0  x\super 2\nosupersub  \f1 mono\par)"
          R"(\pard\qj\fi-150\sl480\slmult1 second\line line\par})",
          document);
    const auto blocks = Blocks(document);
    ASSERT_EQ(blocks.size(), 2U);
    EXPECT_EQ(blocks[0].blockFormat().alignment(), Qt::AlignHCenter);
    EXPECT_DOUBLE_EQ(blocks[0].blockFormat().leftMargin(), 20.0);  // 15 twips a pixel
    EXPECT_DOUBLE_EQ(blocks[0].blockFormat().topMargin(), 10.0);
    EXPECT_EQ(blocks[1].blockFormat().alignment(), Qt::AlignJustify);
    EXPECT_DOUBLE_EQ(blocks[1].blockFormat().textIndent(), -10.0);
    EXPECT_DOUBLE_EQ(blocks[1].blockFormat().lineHeight(), 200.0);
    EXPECT_EQ(blocks[1].text(), QStringLiteral("second\u2028line"));

    EXPECT_EQ(FormatAt(document, "Bold").fontWeight(), QFont::Bold);
    EXPECT_EQ(FormatAt(document, "italic").fontWeight(), QFont::Normal);
    EXPECT_TRUE(FormatAt(document, "italic").fontItalic());
    EXPECT_DOUBLE_EQ(FormatAt(document, "big").fontPointSize(), 20.0);
    EXPECT_DOUBLE_EQ(FormatAt(document, "red").fontPointSize(), 12.0);
    EXPECT_EQ(FormatAt(document, "red").foreground().color(), QColor(200, 0, 0));
    EXPECT_EQ(FormatAt(document, "under").underlineStyle(), QTextCharFormat::SingleUnderline);
    EXPECT_TRUE(FormatAt(document, "gone").fontStrikeOut());
    EXPECT_EQ(FormatAt(document, "2").verticalAlignment(), QTextCharFormat::AlignSuperScript);
    QTextDocument tiny;
    Build(R"({\rtf1\fs1 tiny})", tiny);
    EXPECT_DOUBLE_EQ(FormatAt(tiny, "tiny").fontPointSize(), 2.0);
    // A font that is not installed gives way to the generic family of its kind.
    const QStringList serif = FormatAt(document, "Bold").fontFamilies().toStringList();
    ASSERT_FALSE(serif.isEmpty());
    EXPECT_EQ(serif.front(), QStringLiteral("Serif"));
    EXPECT_EQ(FormatAt(document, "Bold").fontStyleHint(), QFont::Serif);
    EXPECT_EQ(FormatAt(document, "mono").fontStyleHint(), QFont::TypeWriter);
}

TEST(RichText, PageBreaksListsLinksAndHiddenText) {
    QTextDocument document;
    Build(R"({\rtf1 one\page two\par{\pntext 1.\tab}item\par)"
          R"({\field{\*\fldinst HYPERLINK "http://vantrel.example.org/"}{\fldrslt club}})"
          R"( shown{\v  hidden}\par})",
          document);
    const auto blocks = Blocks(document);
    ASSERT_EQ(blocks.size(), 4U);
    EXPECT_FALSE(blocks[0].blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore);
    EXPECT_TRUE(blocks[1].blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore);
    EXPECT_EQ(blocks[2].text(), QStringLiteral("1.\titem"));
    EXPECT_EQ(blocks[3].text(), QStringLiteral("club shown"));
    const QTextCharFormat link = FormatAt(document, "club");
    EXPECT_TRUE(link.isAnchor());
    EXPECT_EQ(link.anchorHref(), QStringLiteral("http://vantrel.example.org/"));
    EXPECT_FALSE(FormatAt(document, "shown").isAnchor());
}

TEST(RichText, TablesBecomeQTextTablesWithTheirMerges) {
    QTextDocument document;
    Build(
        R"({\rtf1 before\par)"
        R"(\trowd\clmgf\cellx1500\clmrg\cellx3000\cellx4500\intbl wide\cell\cell x\cell\row)"
        R"(\trowd\clvmgf\cellx1500\cellx3000\clcbpat1\cellx4500\intbl tall\cell y\cell z\cell\row)"
        R"(\trowd\clvmrg\cellx1500\cellx3000\cellx4500\intbl\cell y2\cell z2\cell\row)"
        R"(\pard after\par})",
        document);
    QTextTable* table = nullptr;
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        table = qobject_cast<QTextTable*>(frame);
    }
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rows(), 3);
    EXPECT_EQ(table->columns(), 3);
    EXPECT_EQ(table->cellAt(0, 0).columnSpan(), 2);
    EXPECT_EQ(table->cellAt(1, 0).rowSpan(), 2);
    const QTextCursor wide = table->cellAt(0, 0).firstCursorPosition();
    EXPECT_EQ(wide.block().text(), QStringLiteral("wide"));
    EXPECT_EQ(table->cellAt(2, 1).firstCursorPosition().block().text(), QStringLiteral("y2"));
    const auto widths = table->format().columnWidthConstraints();
    ASSERT_EQ(widths.size(), 3);
    EXPECT_DOUBLE_EQ(widths[0].rawValue(), 100.0);
    EXPECT_EQ(Blocks(document).back().text(), QStringLiteral("after"));
}

TEST(RichText, PicturesAreResourcesOfTheDocument) {
    const std::string rtf = rtf::testing::ReadFile(VELOCARTA_RTF_CORPUS "/pictures.rtf");
    QTextDocument document;
    BuildTextDocument(rtf::Read(rtf), document);
    std::vector<QTextImageFormat> images;
    for (const QTextBlock& block : Blocks(document)) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            if (fragment.fragment().charFormat().isImageFormat()) {
                images.push_back(fragment.fragment().charFormat().toImageFormat());
            }
        }
    }
    ASSERT_EQ(images.size(), 3U);
    const QImage png =
        document.resource(QTextDocument::ImageResource, QUrl(images[0].name())).value<QImage>();
    EXPECT_EQ(png.size(), QSize(64, 40));
    EXPECT_DOUBLE_EQ(images[0].width(), 64.0);
    const QImage jpeg =
        document.resource(QTextDocument::ImageResource, QUrl(images[1].name())).value<QImage>();
    EXPECT_EQ(jpeg.size(), QSize(48, 32));
    EXPECT_DOUBLE_EQ(images[1].width(), 24.0);  // shown at half size
    EXPECT_DOUBLE_EQ(images[2].height(), 20.0);

    // A metafile is an empty frame of its size.
    QTextDocument frame;
    Build(R"({\rtf1{\pict\wmetafile8\picwgoal1500\pichgoal750 0100}})", frame);
    const QTextImageFormat metafile = frame.begin().begin().fragment().charFormat().toImageFormat();
    EXPECT_DOUBLE_EQ(metafile.width(), 100.0);
    EXPECT_DOUBLE_EQ(metafile.height(), 50.0);
    EXPECT_FALSE(frame.resource(QTextDocument::ImageResource, QUrl(metafile.name()))
                     .value<QImage>()
                     .isNull());
}

TEST(RichText, LoadRtfFileReadsOrExplains) {
    testing::TempFolder folder;
    const std::string good = folder.writeFile("good.rtf", R"({\rtf1 Vantrel\par})");
    QTextDocument document;
    LoadRtfFile(QString::fromStdString(good), document);
    EXPECT_EQ(document.toPlainText(), QStringLiteral("Vantrel"));

    const struct {
        std::string path;
        std::string message;
    } failures[] = {
        {folder.path() + "/missing.rtf", "The document missing.rtf cannot be read"},
        {folder.writeFile("notes.rtf", "just text"),
         "The document notes.rtf cannot be shown. The file is not a rich-text (RTF) document."},
        {folder.writeFile("empty.rtf", ""), "The document empty.rtf cannot be shown."},
        {folder.makeFolder("folder.rtf"), "The document folder.rtf cannot be read"},
    };
    for (const auto& failure : failures) {
        try {
            LoadRtfFile(QString::fromStdString(failure.path), document);
            ADD_FAILURE() << "no error for " << failure.path;
        } catch (const RichTextError& error) {
            EXPECT_NE(std::string(error.what()).find(failure.message), std::string::npos)
                << error.what();
        }
    }
}

TEST(RichText, EveryCorpusDocumentBuilds) {
    for (const std::string& name : rtf::testing::CorpusFiles(".rtf")) {
        QTextDocument document;
        LoadRtfFile(QStringLiteral(VELOCARTA_RTF_CORPUS "/") + QString::fromStdString(name),
                    document);
        EXPECT_FALSE(document.isEmpty()) << name;
    }
}

}  // namespace
}  // namespace velocarta

int main(int argc, char** argv) {
    // Fonts and images need a GUI application; the tests run it offscreen.
    QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
