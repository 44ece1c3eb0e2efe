#include "sampledisc/disc_plan.h"

#include <array>
#include <set>
#include <stdexcept>
#include <string_view>

#include "content/naming.h"
#include "content/text.h"
#include "sampledisc/sounds.h"

namespace velocarta::sampledisc {

namespace {

// How the disc spells its folders.
constexpr std::array<std::string_view, 10> kDiscFolders{
    "vantrels", "RichText", "Scripts", "EMBLEMS", "ClipArt",
    "ads",      "Graphics", "movies",  "WAV",     "IndeoVideo"};

enum class NameCase { AsAsked, Upper, Lower };

// The path as written on disc: the folder in the disc's spelling, the file name as the
// program asks for it or in one letter case.
std::string OnDisc(std::string_view rel, NameCase nameCase = NameCase::AsAsked) {
    const auto slash = rel.find('/', 1);
    if (rel.empty() || rel.front() != '/' || slash == std::string_view::npos) {
        throw std::logic_error("not a content path: " + std::string(rel));
    }
    const std::string_view folder = rel.substr(1, slash - 1);
    std::string name(rel.substr(slash + 1));
    if (nameCase == NameCase::Upper) {
        name = AsciiUpper(name);
    } else if (nameCase == NameCase::Lower) {
        name = AsciiLower(name);
    }
    for (const std::string_view disc : kDiscFolders) {
        if (EqualsIgnoringAsciiCase(disc, folder)) {
            return "/" + std::string(disc) + "/" + name;
        }
    }
    throw std::logic_error("no disc folder for " + std::string(rel));
}

constexpr std::array<int, 37> kYearPhotoCounts{
    3, 5, 6, 4, 4, 5, 3, 4, 2, 1,  // 1964 .. 1973
    3, 2, 2, 2, 3, 4, 3, 2, 3, 3,  // 1974 .. 1983
    3, 4, 4, 5, 3, 3, 4, 2, 3, 5,  // 1984 .. 1993
    4, 3, 3, 3, 4, 6, 5,           // 1994 .. 2000
};

// Topic photos: numbered ones are stem + twice the photo number in three digits, so that
// the Details text of photo n (prefix + 2n) is the text named like the photo; the editions
// without per-photo texts use letters.
struct TopicPhotos {
    std::string_view code;
    std::string_view stem;
    int count;
    bool lettered;
};
constexpr std::array<TopicPhotos, 12> kTopicPhotos{{
    {"PT", "PT", 6, false},
    {"DR", "DR", 4, true},
    {"K1", "K1", 5, false},
    {"K3", "K3", 4, true},
    {"VS", "VS", 4, true},
    {"ZZ", "ZZ", 8, false},
    // Only four signs: the Details prefix stays "vms00", so a fifth would need vms0010.
    {"VM", "VMS", 4, false},
    {"TD", "TDM", 6, false},
    {"TE", "TEK", 5, false},
    {"TF", "TFM", 6, false},
    {"VC", "VCK", 4, false},
    {"US", "USA", 5, false},
}};

struct Size {
    int width;
    int height;
};
constexpr std::array<Size, 6> kPhotoSizes{
    {{640, 480}, {800, 600}, {1024, 768}, {1152, 864}, {1280, 960}, {1600, 1200}}};
constexpr Size kLargePhoto{2048, 1536};

Size PhotoSize(int seed, bool large) {
    return large ? kLargePhoto : kPhotoSizes[static_cast<std::size_t>(seed) % kPhotoSizes.size()];
}

// The advertisements the zoom viewer shows across the whole screen are landscape.
bool LandscapeAd(int year) {
    constexpr std::array<int, 10> kLandscape{1979, 1980, 1986, 1987, 1990,
                                             1992, 1993, 1994, 1995, 1996};
    for (const int y : kLandscape) {
        if (y == year) {
            return true;
        }
    }
    return false;
}

struct FixedDocument {
    std::string_view name;  // as the program asks for it
    NameCase nameCase;
};
constexpr std::array<FixedDocument, 22> kFixedDocuments{{
    {"desc.rtf", NameCase::AsAsked},      {"intro.rtf", NameCase::AsAsked},
    {"books.rtf", NameCase::AsAsked},     {"catalogs.rtf", NameCase::AsAsked},
    {"contrib.rtf", NameCase::AsAsked},   {"credits.rtf", NameCase::Upper},
    {"notice.rtf", NameCase::AsAsked},    {"whatsnew.rtf", NameCase::AsAsked},
    {"glossary.rtf", NameCase::Upper},    {"timeline.rtf", NameCase::Upper},
    {"engines.rtf", NameCase::AsAsked},   {"idvantrel.rtf", NameCase::AsAsked},
    {"idrvale.rtf", NameCase::AsAsked},   {"sshelp.rtf", NameCase::AsAsked},
    {"PRIntro.rtf", NameCase::AsAsked},   {"PRMarket.rtf", NameCase::AsAsked},
    {"PROptions.rtf", NameCase::AsAsked}, {"magvi.rtf", NameCase::AsAsked},
    {"magvm.rtf", NameCase::AsAsked},     {"magmvfh.rtf", NameCase::AsAsked},
    {"mag4.rtf", NameCase::AsAsked},      {"mag5.rtf", NameCase::AsAsked},
}};

struct Movie {
    std::string_view file;
    std::string_view title;
    double seconds;
};
constexpr std::array<Movie, 8> kMovies{{
    {"ComingApril17.avi", "Coming April 17, 1964", 4.0},
    {"TheUnexpected.avi", "The Unexpected", 3.0},
    {"65-2+2.avi", "1965 2+2 Fastback", 3.0},
    {"1966.avi", "1966 Commercial", 3.0},
    {"1967.avi", "1967 Commercial", 3.0},
    {"1967Vantreler.avi", "1967 Vantreler", 2.5},
    {"1968.avi", "1968 Commercial", 3.5},
    {"Kite1.avi", "Kite I", 4.0},
}};

std::string Stem(std::string_view fileName) {
    return std::string(fileName.substr(0, fileName.find('.')));
}

std::string TwoDigits(int value) {
    return std::string(1, static_cast<char>('0' + value / 10)) +
           static_cast<char>('0' + value % 10);
}

void AddYearFiles(DiscPlan& plan, int year, int& photoSeed) {
    const std::string caption = YearCaption(year);
    const std::string code = CaptionToYearCode(caption);
    const int count = YearPhotoCount(year);
    for (int n = 1; n <= count; ++n) {
        const bool large =
            (year == 1966 && n == 2) || (year == 1999 && n == 1) || (year == 1987 && n == 5);
        const Size size = PhotoSize(photoSeed++ * 5 + year, large);
        plan.photos.push_back(
            PhotoItem{OnDisc("/vantrels/" + code + static_cast<char>('A' + n - 1) + ".JPG"), code,
                      caption, year, n, count, size.width, size.height});
    }

    const std::string texts = "years/" + std::to_string(year) + "/";
    auto document = [&](const std::string& rel, std::string_view text, NameCase nameCase) {
        plan.documents.push_back(DocumentItem{OnDisc(rel, nameCase), texts + std::string(text),
                                              DocumentPicture::YearEmblem, year, ""});
    };
    // 2000 spells its documents "a0..." for the year browser and "A0..." for the booklet; on a
    // disc that ignores letter case both find the same file.
    document(DescriptionDoc("", caption).rel, "description.txt", NameCase::AsAsked);
    document(OptionsDoc("", caption).rel, "options.txt", NameCase::AsAsked);
    document(ColorsDoc("", caption).rel, "colors.txt", NameCase::Upper);
    document(EnginesDoc("", caption).rel, "engines.txt", NameCase::AsAsked);
    document(NostalgiaDoc("", code).rel, "nostalgia.txt", NameCase::AsAsked);
    document(BookletDetailsDoc("", year == 2000 ? 100 : year - 1900).rel, "details.txt",
             NameCase::Upper);

    const int step = year - 1964;
    auto picture = [&](const std::string& rel, PictureKind kind, int width, int height,
                       NameCase nameCase) {
        plan.pictures.push_back(PictureItem{OnDisc(rel, nameCase), kind, year, "", width, height});
    };
    picture(EmblemPicture("", caption).rel, PictureKind::Emblem, 100 + (step * 7) % 80,
            90 + (step * 5) % 50, NameCase::AsAsked);
    picture(ScriptPicture("", caption).rel, PictureKind::Script, 220 + (step * 13) % 120,
            60 + (step * 3) % 30, NameCase::Upper);
    picture(ClipArtPicture("", caption).rel, PictureKind::ClipArt, 140 + (step * 11) % 60,
            100 + (step * 7) % 40, NameCase::AsAsked);
    if (year != 2000) {  // the 2000 advertisement "has not yet been released"
        const int longSide = 1200 + (step * 37) % 400;
        const int shortSide = longSide * 77 / 100;
        picture(AdvertisementPicture("", caption).rel, PictureKind::Advertisement,
                LandscapeAd(year) ? longSide : shortSide, LandscapeAd(year) ? shortSide : longSide,
                NameCase::Upper);
    }
}

void AddTopicFiles(DiscPlan& plan, int& photoSeed) {
    for (const TopicPhotos& topic : kTopicPhotos) {
        const Topic* rules = FindTopicByCode(topic.code);
        if (rules == nullptr) {
            throw std::logic_error("unknown topic code " + std::string(topic.code));
        }
        const std::string caption(rules->caption);
        for (int n = 1; n <= topic.count; ++n) {
            std::string name(topic.stem);
            if (topic.lettered) {
                name += static_cast<char>('A' + n - 1);
            } else {
                name += "0" + TwoDigits(2 * n);
            }
            name += ".JPG";
            const bool large = topic.code == "PT" && n == 1;
            const Size size = PhotoSize(photoSeed++ * 5 + n, large);
            plan.photos.push_back(PhotoItem{OnDisc("/vantrels/" + name), std::string(topic.code),
                                            caption, 0, n, topic.count, size.width, size.height});
            if (!topic.lettered) {
                plan.documents.push_back(
                    DocumentItem{OnDisc(PhotoDetailsDoc("", name).rel, NameCase::Lower),
                                 "details/" + AsciiLower(Stem(name)) + ".txt",
                                 DocumentPicture::TopicDrawing, 0, std::string(topic.code)});
            }
        }
        auto topicDocument = [&](const std::string& rel) {
            const std::string onDisc = OnDisc(rel);
            plan.documents.push_back(DocumentItem{
                onDisc, "topics/" + Stem(onDisc.substr(onDisc.rfind('/') + 1)) + ".txt",
                DocumentPicture::TopicDrawing, 0, std::string(topic.code)});
        };
        topicDocument(DescriptionDoc("", caption).rel);
        if (!rules->engines.empty()) {
            topicDocument(EnginesDoc("", caption).rel);
        }
        if (topic.code == "DR") {
            topicDocument(ColorsDoc("", caption).rel);
            topicDocument(OptionsDoc("", caption).rel);
        }
        if (topic.code == "PT" || topic.code == "DR") {
            auto picture = [&](const std::string& rel, PictureKind kind, int width, int height,
                               NameCase nameCase) {
                plan.pictures.push_back(PictureItem{OnDisc(rel, nameCase), kind, 0,
                                                    std::string(topic.code), width, height});
            };
            picture(EmblemPicture("", caption).rel, PictureKind::Emblem, 150, 120,
                    topic.code == "PT" ? NameCase::Upper : NameCase::AsAsked);
            picture(ScriptPicture("", caption).rel, PictureKind::Script, 300, 80, NameCase::Upper);
            if (topic.code == "DR") {
                picture(AdvertisementPicture("", caption).rel, PictureKind::Advertisement, 1000,
                        1300, NameCase::AsAsked);
            } else {
                // The prototypes keep an open clip-art box and reload it under the caption's
                // third and fourth characters: "Early ..." reads rlclip.jpg.
                picture(ClipArtPicture("", caption).rel, PictureKind::ClipArt, 170, 120,
                        NameCase::AsAsked);
            }
        }
    }
}

}  // namespace

int YearPhotoCount(int year) {
    if (year < 1964 || year > 2000) {
        throw std::out_of_range("no model year " + std::to_string(year));
    }
    return kYearPhotoCounts[static_cast<std::size_t>(year - 1964)];
}

std::string YearCaption(int year) {
    return YearOfButton(year - 1963);
}

DiscPlan MakeDiscPlan() {
    DiscPlan plan;
    int photoSeed = 0;
    for (int year = 1964; year <= 2000; ++year) {
        AddYearFiles(plan, year, photoSeed);
    }
    AddTopicFiles(plan, photoSeed);

    for (const FixedDocument& fixed : kFixedDocuments) {
        plan.documents.push_back(DocumentItem{
            OnDisc("/richtext/" + std::string(fixed.name), fixed.nameCase),
            "fixed/" + Stem(fixed.name) + ".txt", DocumentPicture::KestrixDrawing, 0, ""});
    }

    const std::array<PictureKind, 4> coverKinds{
        PictureKind::BookletLogo, PictureKind::BookletRedCar, PictureKind::BookletLettering,
        PictureKind::BookletKestrix};
    const std::array<Size, 4> coverSizes{{{560, 160}, {560, 290}, {720, 200}, {440, 200}}};
    const auto cover = BookletCoverPictures();
    for (std::size_t i = 0; i < cover.size(); ++i) {
        plan.pictures.push_back(PictureItem{OnDisc(cover[i]), coverKinds[i], 0, "",
                                            coverSizes[i].width, coverSizes[i].height});
    }

    for (std::size_t i = 0; i < kMovies.size(); ++i) {
        plan.movies.push_back(MovieItem{OnDisc("/movies/" + std::string(kMovies[i].file)),
                                        std::string(kMovies[i].title), static_cast<int>(i),
                                        kMovies[i].seconds});
    }
    const auto effects = SoundEffects();
    for (std::size_t i = 0; i < effects.size(); ++i) {
        plan.sounds.push_back(SoundItem{OnDisc("/wav/" + std::string(effects[i].file)), i});
    }
    plan.codecInstaller = OnDisc(CodecInstaller("").rel);
    for (const std::string_view folder : kDiscFolders) {
        plan.topFolders.emplace_back(folder);
    }

    plan.startupSound = StartupSound("").rel;
    plan.helpFile = HelpFile("").rel;
    plan.helpText = "program/help.txt";
    return plan;
}

std::vector<std::string> RequiredTexts(const DiscPlan& plan) {
    std::vector<std::string> texts;
    std::set<std::string> seen;
    for (const DocumentItem& document : plan.documents) {
        if (seen.insert(document.text).second) {
            texts.push_back(document.text);
        }
    }
    texts.push_back(plan.helpText);
    return texts;
}

}  // namespace velocarta::sampledisc
