#include "sampledisc/generator.h"

#include <array>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>

#include "content/text.h"
#include "sampledisc/avi_writer.h"
#include "sampledisc/drawing.h"
#include "sampledisc/html_writer.h"
#include "sampledisc/movies.h"
#include "sampledisc/photos.h"
#include "sampledisc/pictures.h"
#include "sampledisc/programs.h"
#include "sampledisc/rtf_writer.h"
#include "sampledisc/sounds.h"
#include "sampledisc/source_text.h"
#include "sampledisc/wav_writer.h"

namespace velocarta::sampledisc {

namespace fs = std::filesystem;

namespace {

constexpr int kPhotoQuality = 82;
constexpr int kPictureQuality = 88;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path.string());
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

enum class Folder { Disc, Program };
enum class Mode { Data, Executable };

class DiscWriter {
  public:
    explicit DiscWriter(GenerationSummary& summary) : summary_(summary) {}

    void write(const fs::path& root, const std::string& rel, const std::string& bytes,
               Folder folder = Folder::Disc, Mode mode = Mode::Data) {
        const bool executable = mode == Mode::Executable;
        const fs::path path = root / fs::path(rel).relative_path();
        fs::create_directories(path.parent_path());
        {
            std::ofstream out(path, std::ios::binary | std::ios::trunc);
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            if (!out) {
                throw std::runtime_error("cannot write " + path.string());
            }
        }
        using fs::perms;
        fs::permissions(path, executable
                                  ? perms::owner_all | perms::group_read | perms::group_exec |
                                        perms::others_read | perms::others_exec
                                  : perms::owner_read | perms::owner_write | perms::group_read |
                                        perms::others_read);
        if (folder == Folder::Program) {
            ++summary_.programFiles;
        } else {
            ++summary_.discFiles;
            summary_.discBytes += bytes.size();
        }
    }

  private:
    GenerationSummary& summary_;
};

// FNV-1a: a stable number for a name, to vary the look of the documents.
std::uint32_t Stable(std::string_view text) {
    std::uint32_t hash = 2166136261U;
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619U;
    }
    return hash;
}

RtfLook LookFor(const DocumentItem& document, std::size_t order) {
    static constexpr std::array<RtfDialect, 3> kDialects{RtfDialect::WordPad, RtfDialect::Word,
                                                         RtfDialect::Word6};
    static constexpr std::array<Rgb, 6> kColors{
        {{0, 0, 128}, {128, 0, 0}, {0, 96, 48}, {96, 0, 112}, {0, 80, 140}, {150, 70, 0}}};
    const std::uint32_t seed = Stable(document.rel);
    RtfLook look;
    look.dialect = kDialects[order % kDialects.size()];
    look.titleColor = kColors[seed % kColors.size()];
    look.headingColor = kColors[(seed / 7 + 1) % kColors.size()];
    look.compact = document.text.rfind("details/", 0) == 0;
    return look;
}

// The pictures documents embed, drawn once each.
class DocumentPictures {
  public:
    const EmbeddedPicture& forDocument(const DocumentItem& document) {
        switch (document.picture) {
            case DocumentPicture::YearEmblem:
                return cached("year" + std::to_string(document.year),
                              [&] { return Jpeg(DrawYearEmblem(document.year, 120, 100)); });
            case DocumentPicture::TopicDrawing:
                return cached("topic" + document.topicCode,
                              [&] { return Png(DrawTopicDrawing(document.topicCode, 200, 120)); });
            case DocumentPicture::KestrixDrawing:
                break;
        }
        return cached("kestrix", [] { return Png(DrawKestrixDrawing(160, 110)); });
    }

  private:
    template <typename Make>
    const EmbeddedPicture& cached(const std::string& key, Make make) {
        auto found = pictures_.find(key);
        if (found == pictures_.end()) {
            found = pictures_.emplace(key, make()).first;
        }
        return found->second;
    }
    static EmbeddedPicture Jpeg(const QImage& image) {
        return {EmbeddedPicture::Format::Jpeg, EncodeJpeg(image, kPictureQuality), image.width(),
                image.height()};
    }
    static EmbeddedPicture Png(const QImage& image) {
        return {EmbeddedPicture::Format::Png, EncodePng(image), image.width(), image.height()};
    }

    std::map<std::string, EmbeddedPicture> pictures_;
};

// Removes the disc's own top folders in whatever letter case they were written before, so
// that a renamed file never leaves an old spelling behind.
void ClearDiscFolders(const fs::path& disc, const DiscPlan& plan) {
    if (!fs::exists(disc)) {
        return;
    }
    for (const auto& entry : fs::directory_iterator(disc)) {
        const std::string name = entry.path().filename().string();
        for (const std::string& folder : plan.topFolders) {
            if (EqualsIgnoringAsciiCase(name, folder)) {
                fs::remove_all(entry.path());
                break;
            }
        }
    }
}

std::map<std::string, SourceDocument> ReadTexts(const DiscPlan& plan, const fs::path& textsDir) {
    const std::vector<std::string> missing = MissingTexts(plan, textsDir);
    if (!missing.empty()) {
        std::string message = std::to_string(missing.size()) + " text file" +
                              (missing.size() == 1 ? " is" : "s are") + " missing in " +
                              textsDir.string() + ":";
        for (const std::string& text : missing) {
            message += "\n  " + text;
        }
        throw std::runtime_error(message);
    }
    std::map<std::string, SourceDocument> texts;
    for (const std::string& text : RequiredTexts(plan)) {
        const fs::path path = textsDir / text;
        try {
            texts.emplace(text, ParseSourceText(ReadFile(path)));
        } catch (const std::exception& error) {
            throw std::runtime_error(path.string() + ": " + error.what());
        }
    }
    return texts;
}

}  // namespace

std::vector<std::string> MissingTexts(const DiscPlan& plan, const fs::path& textsDir) {
    std::vector<std::string> missing;
    for (const std::string& text : RequiredTexts(plan)) {
        if (!fs::is_regular_file(textsDir / text)) {
            missing.push_back(text);
        }
    }
    return missing;
}

std::string CaseClash(const DiscPlan& plan) {
    std::map<std::string, std::string> seen;
    std::vector<std::string> all;
    for (const auto& p : plan.photos) {
        all.push_back(p.rel);
    }
    for (const auto& d : plan.documents) {
        all.push_back(d.rel);
    }
    for (const auto& p : plan.pictures) {
        all.push_back(p.rel);
    }
    for (const auto& m : plan.movies) {
        all.push_back(m.rel);
    }
    for (const auto& s : plan.sounds) {
        all.push_back(s.rel);
    }
    all.push_back(plan.codecInstaller);
    for (const std::string& rel : all) {
        const auto [at, fresh] = seen.emplace(AsciiLower(rel), rel);
        if (!fresh) {
            return at->second + " and " + rel;
        }
    }
    return {};
}

GenerationSummary GenerateSampleDisc(const GeneratorInput& input) {
    const DiscPlan plan = MakeDiscPlan();
    if (const std::string clash = CaseClash(plan); !clash.empty()) {
        throw std::logic_error("two disc names differ only in letter case: " + clash);
    }
    const std::map<std::string, SourceDocument> texts = ReadTexts(plan, input.textsDir);
    LoadFonts();

    GenerationSummary summary;
    DiscWriter out(summary);
    const fs::path& disc = input.discDir;
    fs::create_directories(disc);
    fs::create_directories(input.programDir);
    ClearDiscFolders(disc, plan);

    for (const PhotoItem& photo : plan.photos) {
        out.write(disc, photo.rel, EncodeJpeg(DrawPhoto(photo), kPhotoQuality));
    }
    for (const PictureItem& picture : plan.pictures) {
        out.write(disc, picture.rel, EncodeJpeg(DrawPicture(picture), kPictureQuality));
    }
    DocumentPictures pictures;
    for (std::size_t i = 0; i < plan.documents.size(); ++i) {
        const DocumentItem& document = plan.documents[i];
        try {
            out.write(disc, document.rel,
                      WriteRtf(texts.at(document.text), LookFor(document, i),
                               &pictures.forDocument(document)));
        } catch (const std::invalid_argument& error) {
            throw std::runtime_error(document.text + ": " + error.what());
        }
    }
    for (const MovieItem& movie : plan.movies) {
        out.write(disc, movie.rel, WriteAvi(MakeMovie(movie)));
    }
    const auto effects = SoundEffects();
    for (const SoundItem& sound : plan.sounds) {
        out.write(disc, sound.rel, WriteWav(effects[sound.effect].make()));
    }
    out.write(disc, plan.codecInstaller, CodecInstallerScript(), Folder::Disc, Mode::Executable);

    const fs::path& program = input.programDir;
    out.write(program, plan.startupSound, WriteWav(StartupPassby()), Folder::Program);
    out.write(program, plan.helpFile, WriteHelpHtml(texts.at(plan.helpText)), Folder::Program);
    return summary;
}

}  // namespace velocarta::sampledisc
