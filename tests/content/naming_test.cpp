#include "content/naming.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velocarta {
namespace {

struct CodeCase {
    const char* caption;
    const char* code;
};

TEST(CaptionToYearCode, YearsTopicsAndTheirLookalikes) {
    const CodeCase cases[] = {
        {"1964", "64"},
        {"1999", "99"},
        {"2000", "A0"},
        {"1964 ", "64"},  // the photo-click cycle's 1964 keeps its blank
        {"Early Vantrel Prototypes ", "PT"},
        {"The Classic Dorran ", "DR"},
        {"Vantrel Kite I ", "K1"},
        {"Vantrel Kite III ", "K3"},
        {"Vantrel Super Stravon ", "VS"},
        {"Vantrel Postage Stamps ", "ZZ"},
        {"Vantrel Metal Signs ", "VM"},
        {"Danbury Mint Die Cast Models ", "TD"},
        {"Franklin Mint Collector Knives ", "TE"},
        {"Franklin Mint Die Cast Models ", "TF"},
        {"Vantrel Cookies ", "VC"},
        {"The Vantrel Monopoly Game ", "US"},
        // Without the trailing blank a topic is just text: characters 3 and 4.
        {"The Classic Dorran", "e "},
        {"Vantrel Kite I", "nt"},
        {"Vantrel Prototypes ", "nt"},
        {"Lorin Vasse Art Print ", "ri"},
        {"panYear", "nY"},
        {"x", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CaptionToYearCode(c.caption), c.code) << '"' << c.caption << '"';
    }
}

TEST(YearCodeToCaption, TopicsKeepTheirBlankAndYearsGainOne) {
    const CodeCase cases[] = {
        {"1965 ", "65"},
        {"2000", "A0"},
        {"The Vantrel Monopoly Game ", "US"},
        {"Vantrel Cookies ", "VC"},
        {"Vantrel Postage Stamps ", "ZZ"},
        {"Early Vantrel Prototypes ", "PT"},
        {"Vantrel Kite I ", "K1"},
        {"Vantrel Kite III ", "K3"},
        {"Vantrel Super Stravon ", "VS"},
        {"The Classic Dorran ", "DR"},
        {"Danbury Mint Die Cast Models ", "TD"},
        {"Franklin Mint Collector Knives ", "TE"},
        {"Franklin Mint Die Cast Models ", "TF"},
        {"Vantrel Metal Signs ", "VM"},
        {"19pt ", "pt"},  // codes from photo paths are upper case: "pt" is no topic
    };
    for (const auto& c : cases) {
        EXPECT_EQ(YearCodeToCaption(c.code), c.caption) << c.code;
    }
}

TEST(YearCodes, EveryTopicRoundTripsAndEveryYearButtonHasItsCaption) {
    for (const Topic& topic : Topics()) {
        EXPECT_EQ(CaptionToYearCode(YearCodeToCaption(topic.code)), topic.code);
    }
    EXPECT_EQ(YearOfButton(1), "1964");
    EXPECT_EQ(YearOfButton(36), "1999");
    EXPECT_EQ(YearOfButton(37), "2000");
}

TEST(PhotoCode, TakesTheTwoCharactersAfterThePhotoFolder) {
    EXPECT_EQ(PhotoCode("/media/cd/vantrels/65A.JPG"), "65");
    EXPECT_EQ(PhotoCode("/home/u/Velocarta/vantrels/A0B.JPG"), "A0");
    EXPECT_EQ(PhotoCode("/media/cd/vantrels/PT002.JPG"), "PT");
    EXPECT_EQ(PhotoCode("/media/cd/other/65A.JPG"), "");
    EXPECT_EQ(PhotoFileName("/media/cd/vantrels/65A.JPG"), "65A.JPG");
}

struct PathCase {
    const char* caption;
    ContentFile (*builder)(std::string_view, std::string_view);
    const char* rel;
};

TEST(YearDocuments, NamesForYears2000AndTopics) {
    const PathCase cases[] = {
        {"panYear", DescriptionDoc, "/richtext/intro.rtf"},
        {"1964", DescriptionDoc, "/richtext/64desc.rtf"},
        {"1964 ", DescriptionDoc, "/richtext/64desc.rtf"},
        {"2000", DescriptionDoc, "/RichText/a0desc.rtf"},
        {"Vantrel Postage Stamps ", DescriptionDoc, "/richtext/stamps.rtf"},
        {"Vantrel Metal Signs ", DescriptionDoc, "/richtext/desperat.rtf"},
        {"Vantrel Kite III ", DescriptionDoc, "/richtext/k3desc.rtf"},
        {"Early Vantrel Prototypes ", DescriptionDoc, "/richtext/ptdesc.rtf"},
        {"1999", EnginesDoc, "/richtext/99engines.rtf"},
        {"2000", EnginesDoc, "/RichText/a0engines.rtf"},
        {"Vantrel Kite III ", EnginesDoc, "/richtext/k3stats.rtf"},
        {"Vantrel Super Stravon ", EnginesDoc, "/richtext/vsstats.rtf"},
        {"The Classic Dorran ", EnginesDoc, "/richtext/drstats.rtf"},
        {"1970", ColorsDoc, "/RichText/70colors.rtf"},
        {"2000", ColorsDoc, "/RichText/a0colors.rtf"},
        {"The Classic Dorran ", ColorsDoc, "/RichText/drcolors.rtf"},
        {"1970", OptionsDoc, "/richtext/70opts.rtf"},
        {"2000", OptionsDoc, "/RichText/a0OPTS.rtf"},
        {"The Classic Dorran ", OptionsDoc, "/RichText/dropts.rtf"},
        {"1964", ClipArtPicture, "/ClipArt/64clip.jpg"},
        {"2000", ClipArtPicture, "/ClipArt/00clip.jpg"},
        {"1964", ScriptPicture, "/scripts/scri64.jpg"},
        {"2000", ScriptPicture, "/scripts/scri00.jpg"},
        {"Early Vantrel Prototypes ", ScriptPicture, "/SCRIPTS/SCRIpt.jpg"},
        {"The Classic Dorran ", ScriptPicture, "/SCRIPTS/SCRIDR.jpg"},
        {"1964", EmblemPicture, "/emblems/emb64.jpg"},
        {"Early Vantrel Prototypes ", EmblemPicture, "/emblems/EMBpt.jpg"},
        {"The Classic Dorran ", EmblemPicture, "/emblems/embdr.jpg"},
        {"1964", AdvertisementPicture, "/ads/64hava00.jpg"},
        {"2000", AdvertisementPicture, "/ads/00hava00.jpg"},
        {"The Classic Dorran ", AdvertisementPicture, "/ads/68HADR00.jpg"},
    };
    for (const auto& c : cases) {
        const ContentFile file = c.builder("/media/cd", c.caption);
        EXPECT_EQ(file.root, "/media/cd");
        EXPECT_EQ(file.rel, c.rel) << '"' << c.caption << '"';
    }
    EXPECT_EQ(NostalgiaDoc("/cd", "A0").full(), "/cd/richtext/nostalgiaA0.rtf");
    EXPECT_EQ(NostalgiaDoc("/cd", "64").full(), "/cd/richtext/nostalgia64.rtf");
}

TEST(NostalgiaButtonDocs, TheButtonsSpellingFirstThenTheYearCodesWhereItDiffers) {
    auto fulls = [](std::string_view caption) {
        std::vector<std::string> names;
        for (const ContentFile& file : NostalgiaButtonDocs("/cd", caption)) {
            names.push_back(file.full());
        }
        return names;
    };
    using Names = std::vector<std::string>;
    EXPECT_EQ(fulls("1964"), Names{"/cd/richtext/nostalgia64.rtf"});
    EXPECT_EQ(fulls("1999"), Names{"/cd/richtext/nostalgia99.rtf"});
    EXPECT_EQ(fulls("2000"),
              (Names{"/cd/richtext/nostalgia00.rtf", "/cd/richtext/nostalgiaA0.rtf"}));
}

TEST(PerPhotoDetails, PrefixPlusTwiceThePhotoNumber) {
    struct Case {
        const char* caption;
        int photo;
        const char* rel;
    };
    const Case cases[] = {
        {"Early Vantrel Prototypes ", 1, "/richtext/pt002.rtf"},
        {"Early Vantrel Prototypes ", 4, "/richtext/pt008.rtf"},
        {"Early Vantrel Prototypes ", 5, "/richtext/pt010.rtf"},
        {"Vantrel Kite I ", 3, "/richtext/k1006.rtf"},
        {"Vantrel Kite I ", 5, "/richtext/k1010.rtf"},
        {"Danbury Mint Die Cast Models ", 4, "/richtext/tdm008.rtf"},
        {"Danbury Mint Die Cast Models ", 6, "/richtext/tdm012.rtf"},
        {"Franklin Mint Die Cast Models ", 2, "/richtext/tfm004.rtf"},
        {"Vantrel Metal Signs ", 1, "/richtext/vms002.rtf"},
        {"Vantrel Metal Signs ", 5, "/richtext/vms0010.rtf"},
        {"Edric Tamm Art Print ", 1, "/richtext/glet02.rtf"},
    };
    for (const auto& c : cases) {
        const auto file = PerPhotoDetailsDoc("/cd", c.caption, c.photo);
        ASSERT_TRUE(file.has_value()) << c.caption;
        EXPECT_EQ(file->rel, c.rel);
    }
    EXPECT_FALSE(PerPhotoDetailsDoc("/cd", "Vantrel Kite III ", 1).has_value());
    EXPECT_FALSE(PerPhotoDetailsDoc("/cd", "1965", 1).has_value());
}

TEST(PhotoDetailsDoc, LowerCasesTheNameButNeverTheRoot) {
    EXPECT_EQ(PhotoDetailsDoc("/Media/CD", "65A.JPG").full(), "/Media/CD/richtext/65a.rtf");
    EXPECT_EQ(PhotoDetailsDoc("/cd", "PT002.JPG").full(), "/cd/richtext/pt002.rtf");
    EXPECT_EQ(PhotoDetailsDoc("/cd", "NOEXT").full(), "/cd/richtext/noext.rtf");
}

TEST(BookletAndProgramFiles, Names) {
    EXPECT_EQ(BookletDescriptionDoc("/cd", 67).rel, "/RichText/67desc.rtf");
    EXPECT_EQ(BookletDescriptionDoc("/cd", 100).rel, "/RichText/A0desc.rtf");
    EXPECT_EQ(BookletDetailsDoc("/cd", 67).rel, "/RichText/67.rtf");
    EXPECT_EQ(BookletDetailsDoc("/cd", 100).rel, "/RichText/A0.rtf");
    EXPECT_EQ(BookletCoverPictures().size(), 4u);
    EXPECT_EQ(HelpFile("/opt/velocarta").full(), "/opt/velocarta/vantrel2000.HLP");
    EXPECT_EQ(HelpFile("/").full(), "/vantrel2000.HLP");
    EXPECT_EQ(StartupSound("/opt/v").full(), "/opt/v/passby.wav");
    EXPECT_EQ(CodecInstaller("/cd").full(), "/cd/IndeoVideo/iv5play.exe");
}

TEST(MediaStoreFolder, BesideTheProgramWhileWritableElseTheUsersDataFolder) {
    EXPECT_EQ(MediaStoreFolder("/home/ann/velocarta/bin", true, "/home/ann/data", "/home/ann"),
              "/home/ann/velocarta/bin");
    EXPECT_EQ(MediaStoreFolder("/usr/lib/velocarta", false, "/home/ann/data", "/home/ann"),
              "/home/ann/data/velocarta");
    EXPECT_EQ(MediaStoreFolder("/usr/lib/velocarta", false, "", "/home/ann"),
              "/home/ann/.local/share/velocarta");
    // A relative XDG_DATA_HOME is not to be used.
    EXPECT_EQ(MediaStoreFolder("/usr/lib/velocarta", false, "data", "/home/ann"),
              "/home/ann/.local/share/velocarta");
}

}  // namespace
}  // namespace velocarta
