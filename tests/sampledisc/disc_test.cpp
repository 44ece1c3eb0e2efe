// Generates the sample disc with the real generator program and checks it the way the
// program will read it: every name the program asks for, found without regard to case.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "content/naming.h"
#include "content/text.h"
#include "riff_reader.h"
#include "rtf_text.h"
#include "support/temp_folder.h"

namespace velocarta {
namespace {

namespace fs = std::filesystem;
using testing::BracesBalance;
using testing::Le16;
using testing::Le32;
using testing::ReadRiff;
using testing::RtfPlainText;
using testing::TempFolder;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string Quote(const std::string& arg) {
    std::string quoted = "'";
    for (const char c : arg) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

struct GeneratorRun {
    int exitCode = -1;
    std::string output;
    std::string errors;
};

// Runs the generator program; its output and errors go through files of `logs`.
GeneratorRun Generate(const std::vector<std::string>& args, const fs::path& logs) {
    std::string command = Quote(VELOCARTA_SAMPLE_DISC_GENERATOR);
    for (const std::string& arg : args) {
        command += " " + Quote(arg);
    }
    const fs::path out = logs / "generator.out";
    const fs::path err = logs / "generator.err";
    command += " >" + Quote(out.string()) + " 2>" + Quote(err.string());
    const int status = std::system(command.c_str());
    GeneratorRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.output = ReadFile(out);
    run.errors = ReadFile(err);
    return run;
}

// The files of a disc, found as the program finds them: below the root, without regard
// to letter case.
class DiscIndex {
  public:
    explicit DiscIndex(fs::path root) : root_(std::move(root)) {
        for (const auto& entry : fs::recursive_directory_iterator(root_)) {
            if (entry.is_regular_file()) {
                const std::string rel = "/" + fs::relative(entry.path(), root_).string();
                files_.emplace(AsciiLower(rel), rel);
            }
        }
    }
    std::optional<fs::path> find(std::string_view rel) const {
        const auto it = files_.find(AsciiLower(rel));
        if (it == files_.end()) {
            return std::nullopt;
        }
        asked_.insert(it->first);
        return root_ / it->second.substr(1);
    }
    const std::string& spelling(std::string_view rel) const { return files_.at(AsciiLower(rel)); }
    const std::map<std::string, std::string>& files() const { return files_; }
    const std::set<std::string>& asked() const { return asked_; }
    const fs::path& root() const { return root_; }

  private:
    fs::path root_;
    std::map<std::string, std::string> files_;  // lower-cased path -> path as written
    mutable std::set<std::string> asked_;
};

constexpr int kMaxDiscBytes = 40 * 1000 * 1000;

// The topic photos other parts of the system rely on.
struct TopicPhotos {
    const char* code;
    std::vector<const char*> names;
};
const std::vector<TopicPhotos>& ExpectedTopicPhotos() {
    static const std::vector<TopicPhotos> photos{
        {"PT", {"PT002", "PT004", "PT006", "PT008", "PT010", "PT012"}},
        {"K1", {"K1002", "K1004", "K1006", "K1008", "K1010"}},
        {"ZZ", {"ZZ002", "ZZ004", "ZZ006", "ZZ008", "ZZ010", "ZZ012", "ZZ014", "ZZ016"}},
        {"VM", {"VMS002", "VMS004", "VMS006", "VMS008"}},
        {"TD", {"TDM002", "TDM004", "TDM006", "TDM008", "TDM010", "TDM012"}},
        {"TE", {"TEK002", "TEK004", "TEK006", "TEK008", "TEK010"}},
        {"TF", {"TFM002", "TFM004", "TFM006", "TFM008", "TFM010", "TFM012"}},
        {"VC", {"VCK002", "VCK004", "VCK006", "VCK008"}},
        {"US", {"USA002", "USA004", "USA006", "USA008", "USA010"}},
        {"K3", {"K3A", "K3B", "K3C", "K3D"}},
        {"VS", {"VSA", "VSB", "VSC", "VSD"}},
        {"DR", {"DRA", "DRB", "DRC", "DRD"}},
    };
    return photos;
}

// Documents the menus and panels open, spelled as the program asks for them.
const std::vector<std::string>& FixedDocuments() {
    static const std::vector<std::string> documents{
        "/richtext/desc.rtf",     "/RichText/intro.rtf",     "/RichText/books.rtf",
        "/richtext/catalogs.rtf", "/richtext/contrib.rtf",   "/richtext/credits.rtf",
        "/richtext/notice.rtf",   "/richtext/whatsnew.rtf",  "/richtext/glossary.rtf",
        "/richtext/timeline.rtf", "/richtext/engines.rtf",   "/richtext/idvantrel.rtf",
        "/richtext/idrvale.rtf",  "/richtext/sshelp.rtf",    "/richtext/PRIntro.rtf",
        "/richtext/PRMarket.rtf", "/richtext/PROptions.rtf", "/richtext/magvi.rtf",
        "/richtext/magvm.rtf",    "/richtext/magmvfh.rtf",   "/richtext/mag4.rtf",
        "/richtext/mag5.rtf"};
    return documents;
}

const std::vector<std::string>& Movies() {
    static const std::vector<std::string> movies{
        "ComingApril17.avi", "TheUnexpected.avi", "65-2+2.avi", "1966.avi",
        "1967.avi",          "1967Vantreler.avi", "1968.avi",   "Kite1.avi"};
    return movies;
}

const std::vector<std::string>& Sounds() {
    static const std::vector<std::string> sounds{
        "backfrng.wav", "car_door.wav",  "carhorns.wav",  "horns.wav",    "cop-car.wav",
        "taxi.wav",     "sportcar.wav",  "18wheelr.wav",  "peel-out.wav", "Track2.wav",
        "nascar.wav",   "racecar.wav",   "indy-car.wav",  "mcycle.wav",   "batmoble.wav",
        "62rvale.wav",  "63rvale.wav",   "rvalstart.wav", "passby.wav",   "torvale.wav",
        "zr1start.wav", "motorcyc2.wav", "hot_rod.wav",   "red_lght.wav", "porche.wav",
        "stealth.wav",  "stuck.wav"};
    return sounds;
}

std::vector<std::string> YearCaptions() {
    std::vector<std::string> captions;
    for (int button = 1; button <= 37; ++button) {
        captions.push_back(YearOfButton(button));
    }
    return captions;
}

int YearOf(const std::string& caption) {
    return std::stoi(caption);
}

std::string TextTitle(const fs::path& text) {
    std::string line = ReadFile(text).substr(0, ReadFile(text).find('\n'));
    if (line.rfind("\xEF\xBB\xBF", 0) == 0) {
        line.erase(0, 3);
    }
    line = line.substr(line.find(':') + 1);
    return testing::CollapseSpace(line);
}

class SampleDisc : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        folder_ = new TempFolder;
        const fs::path root = folder_->path();
        first_ = new GeneratorRun(Generate({(root / "disc1").string(), (root / "program1").string(),
                                            "--texts", VELOCARTA_SAMPLE_TEXTS_DIR},
                                           root));
        if (fs::exists(root / "disc1")) {
            disc_ = new DiscIndex(root / "disc1");
        }
    }
    static void TearDownTestSuite() {
        delete disc_;
        delete first_;
        delete folder_;
        disc_ = nullptr;
    }
    void SetUp() override {
        ASSERT_EQ(first_->exitCode, 0) << first_->errors;
        ASSERT_NE(disc_, nullptr);
    }

    static fs::path Program() { return fs::path(folder_->path()) / "program1"; }
    static const DiscIndex& Disc() { return *disc_; }
    static void ExpectFile(const ContentFile& file, std::string_view why) {
        EXPECT_TRUE(Disc().find(file.rel)) << why << ": " << file.rel;
    }

    static TempFolder* folder_;
    static GeneratorRun* first_;
    static DiscIndex* disc_;
};

TempFolder* SampleDisc::folder_ = nullptr;
GeneratorRun* SampleDisc::first_ = nullptr;
DiscIndex* SampleDisc::disc_ = nullptr;

TEST_F(SampleDisc, YearPhotosAreLetteredAfterTheYearCode) {
    std::set<int> counts;
    std::vector<std::string> singles;
    for (const std::string& caption : YearCaptions()) {
        SCOPED_TRACE(caption);
        const std::string code = CaptionToYearCode(caption);
        int count = 0;
        while (Disc().find("/vantrels/" + code + static_cast<char>('A' + count) + ".JPG")) {
            EXPECT_EQ(
                Disc().spelling("/vantrels/" + code + static_cast<char>('A' + count) + ".JPG"),
                "/vantrels/" + code + static_cast<char>('A' + count) + ".JPG")
                << "year photos are upper case";
            ++count;
        }
        EXPECT_GE(count, caption == "1973" ? 1 : 2);
        EXPECT_LE(count, 6);
        counts.insert(count);
        if (count == 1) {
            singles.push_back(caption);
        }
    }
    EXPECT_EQ(singles, std::vector<std::string>{"1973"});
    EXPECT_GE(counts.size(), 4U) << "the years differ in their number of photos";
    // 2000 is "A0": its photos sort after those of 1999.
    EXPECT_LT(std::string("99A.JPG"), std::string("A0A.JPG"));
}

TEST_F(SampleDisc, TopicPhotosAndTheirDetailsTexts) {
    for (const TopicPhotos& topic : ExpectedTopicPhotos()) {
        SCOPED_TRACE(topic.code);
        const Topic* rules = FindTopicByCode(topic.code);
        ASSERT_NE(rules, nullptr);
        int number = 0;
        for (const char* name : topic.names) {
            ++number;
            const std::string file = std::string(name) + ".JPG";
            ASSERT_TRUE(Disc().find("/vantrels/" + file)) << file;
            EXPECT_EQ(PhotoCode("/vantrels/" + file), topic.code);
            // Stepping to the photo loads the text named like it ...
            if (std::isdigit(static_cast<unsigned char>(name[std::strlen(name) - 1]))) {
                const ContentFile stepped = PhotoDetailsDoc("", file);
                ExpectFile(stepped, "details of a stepped photo");
                EXPECT_EQ(Disc().spelling(stepped.rel), "/RichText" + stepped.rel.substr(9))
                    << "per-photo texts are lower case";
                // ... and the Details button the same text for the same photo number.
                if (const auto button = PerPhotoDetailsDoc("", rules->caption, number)) {
                    EXPECT_EQ(AsciiLower(button->rel), AsciiLower(stepped.rel));
                }
            }
        }
        // No photo of the topic beyond the list.
        std::size_t onDisc = 0;
        for (const auto& [lower, rel] : Disc().files()) {
            onDisc += PhotoCode(rel) == topic.code ? 1 : 0;
        }
        EXPECT_EQ(onDisc, topic.names.size());
    }
}

TEST_F(SampleDisc, EveryYearDocumentOfEveryReader) {
    for (const std::string& caption : YearCaptions()) {
        SCOPED_TRACE(caption);
        const int yearValue = caption == "2000" ? 100 : YearOf(caption) - 1900;
        ExpectFile(DescriptionDoc("", caption), "Description");
        ExpectFile(OptionsDoc("", caption), "Options");
        ExpectFile(ColorsDoc("", caption), "Colors");
        ExpectFile(EnginesDoc("", caption), "Engines");
        ExpectFile(NostalgiaDoc("", CaptionToYearCode(caption)), "Nostalgia");
        ExpectFile(BookletDescriptionDoc("", yearValue), "booklet description");
        ExpectFile(BookletDetailsDoc("", yearValue), "booklet details");
        // A caption with its trailing blank ("1964 ") names the same documents.
        EXPECT_EQ(DescriptionDoc("", caption + " "), DescriptionDoc("", caption));
    }
    // 2000's "a0desc.rtf" and the booklet's "A0desc.rtf" are one file.
    EXPECT_EQ(Disc().find("/RichText/a0desc.rtf"), Disc().find("/RichText/A0desc.rtf"));
    EXPECT_TRUE(Disc().find("/RichText/a0OPTS.rtf"));
    EXPECT_TRUE(Disc().find("/richtext/nostalgiaA0.rtf"));
    EXPECT_TRUE(Disc().find("/RichText/A0.rtf"));
}

TEST_F(SampleDisc, EveryYearPictureAndNoAdvertisementFor2000) {
    for (const std::string& caption : YearCaptions()) {
        SCOPED_TRACE(caption);
        ExpectFile(EmblemPicture("", caption), "Emblem");
        ExpectFile(ScriptPicture("", caption), "Script");
        ExpectFile(ClipArtPicture("", caption), "ClipArt");
        ExpectFile({"", "/Clipart/" + CaptionYY(caption) + "clip.jpg"}, "ClipArt button");
        if (caption != "2000") {
            ExpectFile(AdvertisementPicture("", caption), "Advertisement");
        }
    }
    EXPECT_FALSE(Disc().find(AdvertisementPicture("", "2000").rel))
        << "2000 shows the \"not yet released\" notice";
}

TEST_F(SampleDisc, EditionAndMerchandiseDocumentsAndPictures) {
    for (const Topic& topic : Topics()) {
        SCOPED_TRACE(std::string(topic.caption));
        ExpectFile(DescriptionDoc("", topic.caption), "Description");
        if (!topic.engines.empty()) {
            ExpectFile(EnginesDoc("", topic.caption), "Specifications");
        }
    }
    const std::string dorran = "The Classic Dorran ";
    const std::string prototypes = "Early Vantrel Prototypes ";
    ExpectFile(ColorsDoc("", dorran), "Dorran colours");
    ExpectFile(OptionsDoc("", dorran), "Dorran options");
    ExpectFile(ScriptPicture("", dorran), "Dorran script");
    ExpectFile(EmblemPicture("", dorran), "Dorran emblem");
    ExpectFile(AdvertisementPicture("", dorran), "Dorran advertisement");
    ExpectFile(ScriptPicture("", prototypes), "prototype script");
    ExpectFile(EmblemPicture("", prototypes), "prototype emblem");
    // An open clip-art box is reloaded under the caption's third and fourth characters.
    ExpectFile(ClipArtPicture("", prototypes), "prototype clip art");
}

TEST_F(SampleDisc, MenuDocumentsBookletGraphicsMoviesSoundsAndInstaller) {
    for (const std::string& rel : FixedDocuments()) {
        ExpectFile({"", rel}, "menu document");
    }
    for (const std::string_view picture : BookletCoverPictures()) {
        ExpectFile({"", std::string(picture)}, "booklet cover");
    }
    for (const std::string& movie : Movies()) {
        ExpectFile({"", "/movies/" + movie}, "movie");
    }
    for (const std::string& sound : Sounds()) {
        ExpectFile({"", "/wav/" + sound}, "sound effect");
    }
    ExpectFile(CodecInstaller(""), "codec installer");
}

TEST_F(SampleDisc, HoldsNothingElseAndNoNamesThatDifferOnlyInCase) {
    // Ask for everything, then see what was never asked for.
    const DiscIndex disc(Disc().root());
    for (const std::string& caption : YearCaptions()) {
        const int yearValue = caption == "2000" ? 100 : YearOf(caption) - 1900;
        for (const ContentFile& file :
             {DescriptionDoc("", caption), OptionsDoc("", caption), ColorsDoc("", caption),
              EnginesDoc("", caption), NostalgiaDoc("", CaptionToYearCode(caption)),
              BookletDetailsDoc("", yearValue), EmblemPicture("", caption),
              ScriptPicture("", caption), ClipArtPicture("", caption),
              AdvertisementPicture("", caption)}) {
            disc.find(file.rel);
        }
        for (char letter = 'A'; letter <= 'F'; ++letter) {
            disc.find("/vantrels/" + CaptionToYearCode(caption) + letter + ".JPG");
        }
    }
    for (const Topic& topic : Topics()) {
        for (const ContentFile& file :
             {DescriptionDoc("", topic.caption), EnginesDoc("", topic.caption),
              ColorsDoc("", topic.caption), OptionsDoc("", topic.caption),
              ScriptPicture("", topic.caption), EmblemPicture("", topic.caption),
              AdvertisementPicture("", topic.caption), ClipArtPicture("", topic.caption)}) {
            disc.find(file.rel);
        }
    }
    for (const TopicPhotos& topic : ExpectedTopicPhotos()) {
        for (const char* name : topic.names) {
            disc.find("/vantrels/" + std::string(name) + ".JPG");
            disc.find(PhotoDetailsDoc("", std::string(name) + ".JPG").rel);
        }
    }
    for (const std::string& rel : FixedDocuments()) {
        disc.find(rel);
    }
    for (const std::string_view picture : BookletCoverPictures()) {
        disc.find(picture);
    }
    for (const std::string& movie : Movies()) {
        disc.find("/movies/" + movie);
    }
    for (const std::string& sound : Sounds()) {
        disc.find("/wav/" + sound);
    }
    disc.find(CodecInstaller("").rel);
    for (const auto& [lower, rel] : disc.files()) {
        EXPECT_TRUE(disc.asked().count(lower)) << "a file nobody reads: " << rel;
    }
    // The index is keyed by the lower-cased path: a clash would have lost a file.
    std::size_t files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(disc.root())) {
        files += entry.is_regular_file() ? 1 : 0;
    }
    EXPECT_EQ(files, disc.files().size());
}

TEST_F(SampleDisc, ProgramFolderFiles) {
    const std::string help = ReadFile(Program() / HelpFile("").rel.substr(1));
    EXPECT_EQ(help.rfind("<!DOCTYPE html>", 0), 0U);
    EXPECT_NE(help.find("<h1>"), std::string::npos);
    EXPECT_NE(help.find("</html>"), std::string::npos);
    EXPECT_TRUE(ReadRiff(ReadFile(Program() / StartupSound("").rel.substr(1))));
    // The screen saver is a program of the build, not of the disc.
    EXPECT_FALSE(fs::exists(Program() / ScreenSaverProgram("").rel.substr(1)));
    EXPECT_EQ(std::distance(fs::directory_iterator(Program()), fs::directory_iterator()), 2);
}

TEST_F(SampleDisc, CodecInstallerIsAHarmlessProgram) {
    const fs::path program = *Disc().find(CodecInstaller("").rel);
    EXPECT_EQ(ReadFile(program).rfind("#!/bin/sh\n", 0), 0U);
    struct stat info {};
    ASSERT_EQ(::stat(program.c_str(), &info), 0);
    EXPECT_TRUE(info.st_mode & S_IXUSR);
    EXPECT_EQ(std::system((Quote(program.string()) + " >/dev/null").c_str()), 0);
}

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

// A missing text stops the generator before it writes anything, naming the file.
class MissingText : public ::testing::TestWithParam<const char*> {};

TEST_P(MissingText, FailsNamingTheFile) {
    const TempFolder folder;
    const fs::path texts = fs::path(folder.path()) / "texts";
    fs::copy(VELOCARTA_SAMPLE_TEXTS_DIR, texts, fs::copy_options::recursive);
    ASSERT_TRUE(fs::remove(texts / GetParam()));
    const GeneratorRun run =
        Generate({(fs::path(folder.path()) / "disc").string(),
                  (fs::path(folder.path()) / "program").string(), "--texts", texts.string()},
                 folder.path());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.errors.find("1 text file is missing"), std::string::npos) << run.errors;
    EXPECT_NE(run.errors.find(GetParam()), std::string::npos) << run.errors;
    EXPECT_FALSE(fs::exists(fs::path(folder.path()) / "disc" / "vantrels"));
    EXPECT_FALSE(fs::exists(fs::path(folder.path()) / "program" / "passby.wav"));
}

INSTANTIATE_TEST_SUITE_P(EveryKindOfText, MissingText,
                         ::testing::Values("years/1973/colors.txt", "years/2000/details.txt",
                                           "topics/drstats.txt", "details/vms008.txt",
                                           "fixed/mag4.txt", "program/help.txt"));

TEST(SampleDiscGenerator, ReportsAMalformedTextAndWrongArguments) {
    const TempFolder folder;
    const fs::path texts = fs::path(folder.path()) / "texts";
    fs::copy(VELOCARTA_SAMPLE_TEXTS_DIR, texts, fs::copy_options::recursive);
    {
        std::ofstream broken(texts / "fixed" / "notice.txt", std::ios::trunc);
        broken << "Notice without a title line\n";
    }
    const std::string disc = (fs::path(folder.path()) / "disc").string();
    const GeneratorRun run =
        Generate({disc, folder.path(), "--texts", texts.string()}, folder.path());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.errors.find("fixed/notice.txt: line 1 must read"), std::string::npos)
        << run.errors;
    EXPECT_EQ(Generate({disc}, folder.path()).exitCode, 2);
    EXPECT_EQ(Generate({disc, disc, disc}, folder.path()).exitCode, 2);
    EXPECT_NE(Generate({}, folder.path()).errors.find("usage:"), std::string::npos);
}

}  // namespace
}  // namespace velocarta
