// The sample disc's pictures, documents, sounds and movies: real files of their kinds, of
// realistic sizes, the same on every run.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>

#include "content/naming.h"
#include "content/text.h"
#include "riff_reader.h"
#include "rtf_text.h"

#include "sample_disc_fixture.h"

namespace velocarta::testing {
namespace {

TEST_F(SampleDisc, PhotosArePicturesOfRealisticSizes) {
    std::set<std::pair<int, int>> sizes;
    int large = 0;
    for (const auto& [lower, rel] : Disc().files()) {
        if (lower.rfind("/vantrels/", 0) != 0) {
            continue;
        }
        SCOPED_TRACE(rel);
        QImage photo;
        ASSERT_TRUE(
            photo.load(QString::fromStdString((Disc().root() / rel.substr(1)).string()), "JPG"));
        EXPECT_EQ(photo.width() * 3, photo.height() * 4);
        EXPECT_GE(photo.width(), 640);
        EXPECT_LE(photo.width(), 2048);
        large += photo.width() > 1600 ? 1 : 0;
        sizes.emplace(photo.width(), photo.height());
        // Drawn, not blank: the caption banner is dark, the scene is not.
        EXPECT_NE(photo.pixel(photo.width() / 2, photo.height() / 2),
                  photo.pixel(photo.width() / 2, 2));
    }
    EXPECT_GE(sizes.size(), 5U);
    EXPECT_GE(large, 1);
    EXPECT_LE(large, 5) << "a few larger ones only";
}

TEST_F(SampleDisc, SmallPicturesAndAdvertisementsHaveTheirShapes) {
    auto sizeOf = [&](const std::string& rel) {
        const auto path = Disc().find(rel);
        if (!path) {
            ADD_FAILURE() << "missing " << rel;
            return QSize();
        }
        QImageReader reader(QString::fromStdString(path->string()), "JPG");
        const QImage image = reader.read();
        EXPECT_FALSE(image.isNull()) << rel;
        return image.size();
    };
    const std::set<std::string> landscape{"1979", "1980", "1986", "1987", "1990",
                                          "1992", "1993", "1994", "1995", "1996"};
    for (const std::string& caption : YearCaptions()) {
        SCOPED_TRACE(caption);
        const QSize emblem = sizeOf(EmblemPicture("", caption).rel);
        EXPECT_LE(emblem.width(), 240);
        EXPECT_LE(emblem.height(), 200);
        const QSize script = sizeOf(ScriptPicture("", caption).rel);
        EXPECT_GT(script.width(), script.height() * 2) << "lettering is wide";
        EXPECT_LE(script.width(), 400);
        const QSize clip = sizeOf(ClipArtPicture("", caption).rel);
        EXPECT_LE(clip.width(), 240);
        if (caption == "2000") {
            continue;
        }
        const QSize ad = sizeOf(AdvertisementPicture("", caption).rel);
        EXPECT_GE(std::max(ad.width(), ad.height()), 1000) << "zoomable";
        EXPECT_EQ(ad.width() > ad.height(), landscape.count(caption) == 1);
    }
    const QSize dorranAd = sizeOf(AdvertisementPicture("", "The Classic Dorran ").rel);
    EXPECT_LT(dorranAd.width(), dorranAd.height());
    // The booklet's cover pictures, drawn at their own size (15 twips a pixel), fit on a
    // letter page at their positions.
    const int positions[4][2] = {{1600, 1600}, {2600, 4300}, {500, 8800}, {2800, 12000}};
    int i = 0;
    for (const std::string_view picture : BookletCoverPictures()) {
        const QSize size = sizeOf(std::string(picture));
        EXPECT_LE(positions[i][0] + size.width() * 15, 12240) << picture;
        EXPECT_LE(positions[i][1] + size.height() * 15, 15840 - 360) << picture;
        if (i < 3) {
            EXPECT_LE(positions[i][1] + size.height() * 15, positions[i + 1][1]) << picture;
        }
        ++i;
    }
}

TEST_F(SampleDisc, DocumentsAreRtfInThreeDialects) {
    std::map<std::string, int> dialects;
    int pictures = 0;
    int pngs = 0;
    for (const auto& [lower, rel] : Disc().files()) {
        if (lower.size() < 4 || lower.substr(lower.size() - 4) != ".rtf") {
            continue;
        }
        SCOPED_TRACE(rel);
        EXPECT_EQ(lower.rfind("/richtext/", 0), 0U);
        const std::string rtf = ReadFile(Disc().root() / rel.substr(1));
        EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg1252", 0), 0U);
        EXPECT_TRUE(BracesBalance(rtf));
        EXPECT_EQ(rtf.find_last_not_of("\r\n"), rtf.size() - 3);
        EXPECT_GT(testing::CollapseSpace(RtfPlainText(rtf)).size(), 40U) << "has a text";
        if (rtf.find("\\listtable") != std::string::npos) {
            ++dialects["Word"];
        } else if (rtf.find("\\stylesheet") != std::string::npos) {
            ++dialects["Word 6"];
        } else if (rtf.find("\\viewkind4") != std::string::npos) {
            ++dialects["WordPad"];
        }
        pictures += rtf.find("{\\pict\\jpegblip") != std::string::npos ? 1 : 0;
        pngs += rtf.find("{\\pict\\pngblip") != std::string::npos ? 1 : 0;
    }
    EXPECT_EQ(dialects.size(), 3U);
    for (const auto& [dialect, count] : dialects) {
        EXPECT_GE(count, 50) << dialect;
    }
    EXPECT_GT(pictures, 0);
    EXPECT_GT(pngs, 0);
}

TEST_F(SampleDisc, EachDocumentCarriesItsOwnText) {
    const fs::path texts = VELOCARTA_SAMPLE_TEXTS_DIR;
    auto expectText = [&](const std::string& rel, const fs::path& text) {
        const auto rtf = Disc().find(rel);
        ASSERT_TRUE(rtf) << rel;
        const std::string shown = testing::CollapseSpace(RtfPlainText(ReadFile(*rtf)));
        const std::string title = TextTitle(texts / text);
        EXPECT_EQ(shown.substr(0, title.size()), title) << rel << " from " << text;
    };
    for (const std::string& caption : YearCaptions()) {
        const fs::path year = fs::path("years") / caption;
        const int yearValue = caption == "2000" ? 100 : YearOf(caption) - 1900;
        expectText(DescriptionDoc("", caption).rel, year / "description.txt");
        expectText(OptionsDoc("", caption).rel, year / "options.txt");
        expectText(ColorsDoc("", caption).rel, year / "colors.txt");
        expectText(EnginesDoc("", caption).rel, year / "engines.txt");
        expectText(NostalgiaDoc("", CaptionToYearCode(caption)).rel, year / "nostalgia.txt");
        expectText(BookletDetailsDoc("", yearValue).rel, year / "details.txt");
    }
    for (const std::string& rel : FixedDocuments()) {
        const std::string name = rel.substr(rel.rfind('/') + 1);
        expectText(rel, fs::path("fixed") / (name.substr(0, name.find('.')) + ".txt"));
    }
    expectText("/richtext/drstats.rtf", "topics/drstats.txt");
    expectText("/richtext/vms008.rtf", "details/vms008.txt");
}

TEST_F(SampleDisc, SoundsAndMoviesAreSoundRiffFiles) {
    std::vector<fs::path> sounds{Program() / "passby.wav"};
    for (const std::string& sound : Sounds()) {
        sounds.push_back(*Disc().find("/wav/" + sound));
    }
    for (const fs::path& path : sounds) {
        SCOPED_TRACE(path.string());
        const std::string file = ReadFile(path);
        const auto riff = ReadRiff(file);
        ASSERT_TRUE(riff);
        ASSERT_EQ(riff->form, "WAVE");
        const auto* fmt = riff->find("fmt ");
        const auto* data = riff->find("data");
        ASSERT_TRUE(fmt && data);
        EXPECT_EQ(Le16(fmt->data, 0), 1);
        EXPECT_EQ(Le16(fmt->data, 14), 16);
        const double seconds = static_cast<double>(data->data.size()) / Le32(fmt->data, 8);
        EXPECT_GE(seconds, 0.8);
        EXPECT_LE(seconds, 2.5);
    }
    for (const std::string& movie : Movies()) {
        SCOPED_TRACE(movie);
        const std::string file = ReadFile(*Disc().find("/movies/" + movie));
        const auto riff = ReadRiff(file);
        ASSERT_TRUE(riff);
        EXPECT_EQ(riff->form, "AVI ");
        const auto* hdrl = riff->find("LIST", "hdrl");
        ASSERT_TRUE(hdrl && hdrl->find("avih"));
        const auto streams = hdrl->all("LIST", "strl");
        ASSERT_EQ(streams.size(), 2U);
        EXPECT_EQ(streams[0]->find("strh")->data.substr(0, 8), "vidsMJPG");
        EXPECT_EQ(streams[1]->find("strh")->data.substr(0, 4), "auds");
        const std::uint32_t frames = Le32(hdrl->find("avih")->data, 16);
        const std::uint32_t perFrame = Le32(hdrl->find("avih")->data, 0);
        EXPECT_GE(frames * static_cast<double>(perFrame) / 1e6, 2.4) << "a few seconds";
        const auto* movi = riff->find("LIST", "movi");
        ASSERT_TRUE(movi);
        EXPECT_EQ(movi->all("00dc").size(), frames);
        EXPECT_EQ(movi->all("01wb").size(), frames);
        // Every frame is a whole JPEG picture of the stated size.
        const auto* first = movi->find("00dc");
        QImage picture;
        ASSERT_TRUE(picture.loadFromData(reinterpret_cast<const uchar*>(first->data.data()),
                                         static_cast<int>(first->data.size()), "JPG"));
        EXPECT_EQ(picture.width(), static_cast<int>(Le32(hdrl->find("avih")->data, 32)));
        EXPECT_TRUE(riff->find("idx1"));
    }
}

TEST_F(SampleDisc, IsSmallAndTheSameOnEveryRun) {
    // The second run writes over an old disc: a file of an old spelling must go, a file of
    // nobody's must stay.
    folder_->writeFile("disc2/VANTRELS/99Z.JPG", "old");
    folder_->writeFile("disc2/notes/keep.txt", "mine");
    const fs::path root = folder_->path();
    const GeneratorRun second = Generate({(root / "disc2").string(), (root / "program2").string(),
                                          "--texts", VELOCARTA_SAMPLE_TEXTS_DIR},
                                         root);
    ASSERT_EQ(second.exitCode, 0) << second.errors;
    const DiscIndex again(root / "disc2");
    std::uintmax_t bytes = 0;
    for (const auto& [lower, rel] : Disc().files()) {
        SCOPED_TRACE(rel);
        const auto other = again.find(rel);
        ASSERT_TRUE(other);
        const std::string mine = ReadFile(Disc().root() / rel.substr(1));
        EXPECT_TRUE(mine == ReadFile(*other)) << "differs between runs";
        bytes += mine.size();
    }
    EXPECT_LT(bytes, static_cast<std::uintmax_t>(kMaxDiscBytes));
    for (const char* name : {"passby.wav", "vantrel2000.HLP"}) {
        EXPECT_EQ(ReadFile(Program() / name),
                  ReadFile(fs::path(folder_->path()) / "program2" / name))
            << name;
    }
    // The old spelling of the photo folder went with its contents; other folders stayed.
    EXPECT_FALSE(again.find("/vantrels/99Z.JPG"));
    EXPECT_TRUE(again.find("/notes/keep.txt"));
    EXPECT_EQ(again.files().size(), Disc().files().size() + 1);
}

}  // namespace
}  // namespace velocarta::testing
