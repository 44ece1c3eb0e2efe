// The sample disc read the way the program reads it: every name the program asks for, found
// without regard to case, and nothing else.
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

}  // namespace
}  // namespace velocarta::testing
