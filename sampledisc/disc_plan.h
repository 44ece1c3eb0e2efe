#pragma once

#include <string>
#include <vector>

namespace velocarta::sampledisc {

// Every file of the sample disc and of the program folder, with what it shows. Paths below
// a root begin with '/' and are spelled as they are written on disc: folders and file names
// vary in letter case as on real discs, which the program matches without regard to case.

struct PhotoItem {
    std::string rel;      // "/vantrels/65A.JPG"
    std::string code;     // "65", "A0", "PT"
    std::string caption;  // "1965", "2000", "Vantrel Postage Stamps " (with its blank)
    int year = 0;         // 1964 .. 2000; 0 for a topic
    int number = 0;       // 1 .. count within its year or topic
    int count = 0;
    int width = 0;
    int height = 0;
};

// The picture a document shows where its text asks for one.
enum class DocumentPicture { YearEmblem, TopicDrawing, KestrixDrawing };

struct DocumentItem {
    std::string rel;   // "/RichText/65desc.rtf"
    std::string text;  // its text below the texts folder: "years/1965/description.txt"
    DocumentPicture picture = DocumentPicture::KestrixDrawing;
    int year = 0;           // the year of a year document
    std::string topicCode;  // the topic of a topic or per-photo document
};

enum class PictureKind {
    Emblem,
    Script,
    ClipArt,
    Advertisement,
    BookletLogo,
    BookletRedCar,
    BookletLettering,
    BookletKestrix,
};

struct PictureItem {
    std::string rel;
    PictureKind kind = PictureKind::Emblem;
    int year = 0;           // 1964 .. 2000, or 0
    std::string topicCode;  // "PT" or "DR" for the editions' own pictures
    int width = 0;
    int height = 0;
};

struct MovieItem {
    std::string rel;
    std::string title;
    int index = 0;
    double seconds = 3.0;
};

struct SoundItem {
    std::string rel;
    std::size_t effect = 0;  // index into SoundEffects()
};

struct DiscPlan {
    std::vector<PhotoItem> photos;
    std::vector<DocumentItem> documents;
    std::vector<PictureItem> pictures;
    std::vector<MovieItem> movies;
    std::vector<SoundItem> sounds;
    std::string codecInstaller;
    // The folders of the disc's top level, as written.
    std::vector<std::string> topFolders;

    // Program folder.
    std::string startupSound;
    std::string helpFile;
    std::string helpText;
};

DiscPlan MakeDiscPlan();

// The number of photos of a model year (1973 has a single one).
int YearPhotoCount(int year);

// The year-panel caption of a model year: "1964" .. "2000".
std::string YearCaption(int year);

// Every text file the plan reads, below the texts folder.
std::vector<std::string> RequiredTexts(const DiscPlan& plan);

}  // namespace velocarta::sampledisc
