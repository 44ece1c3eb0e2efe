#include "content/naming.h"

#include <array>

#include "content/text.h"

namespace velocarta {

namespace {

// The test order of this table is the order in which captions are matched; the first
// match wins.
constexpr std::array<Topic, 12> kTopics{{
    {"Early Vantrel Prototypes ", "PT", TopicKind::Edition, "ptdesc.rtf", "", "pt"},
    {"The Classic Dorran ", "DR", TopicKind::Edition, "drdesc.rtf", "drstats.rtf", ""},
    {"Vantrel Kite I ", "K1", TopicKind::Edition, "k1desc.rtf", "", "k1"},
    {"Vantrel Kite III ", "K3", TopicKind::Edition, "k3desc.rtf", "k3stats.rtf", ""},
    {"Vantrel Super Stravon ", "VS", TopicKind::Edition, "vsdesc.rtf", "vsstats.rtf", ""},
    {"Vantrel Postage Stamps ", "ZZ", TopicKind::Merchandise, "stamps.rtf", "", "zz"},
    {"Vantrel Metal Signs ", "VM", TopicKind::Merchandise, "desperat.rtf", "", "vms"},
    {"Danbury Mint Die Cast Models ", "TD", TopicKind::Merchandise, "danbury.rtf", "", "tdm"},
    {"Franklin Mint Collector Knives ", "TE", TopicKind::Merchandise, "knives.rtf", "", "tek"},
    {"Franklin Mint Die Cast Models ", "TF", TopicKind::Merchandise, "franklin.rtf", "", "tfm"},
    {"Vantrel Cookies ", "VC", TopicKind::Merchandise, "cookies.rtf", "", "vck"},
    {"The Vantrel Monopoly Game ", "US", TopicKind::Merchandise, "monopoly.rtf", "", "usa"},
}};

constexpr std::string_view kDorran = "The Classic Dorran ";
constexpr std::string_view kPrototypes = "Early Vantrel Prototypes ";

// The Details button's prefixes: the first for photos 1 to 4 (twice the number has one
// digit), the second from photo 5 on. Metal signs keep "vms00" throughout, so their photo 5
// reads vms0010.rtf.
struct PerPhotoPrefix {
    std::string_view caption;
    std::string_view belowFive;
    std::string_view fromFive;
};
constexpr std::array<PerPhotoPrefix, 6> kPerPhotoPrefixes{{
    {"Early Vantrel Prototypes ", "pt00", "pt0"},
    {"Vantrel Kite I ", "k100", "k10"},
    {"Edric Tamm Art Print ", "glet0", "glet0"},
    {"Vantrel Metal Signs ", "vms00", "vms00"},
    {"Franklin Mint Die Cast Models ", "tfm00", "tfm0"},
    {"Danbury Mint Die Cast Models ", "tdm00", "tdm0"},
}};

constexpr std::array<std::string_view, 4> kCoverPictures{
    "/graphics/logo.jpg", "/graphics/66red.jpg", "/graphics/bklettxt.jpg",
    "/graphics/kestrix3.jpg"};

ContentFile In(std::string_view root, std::string rel) {
    return {std::string(root), std::move(rel)};
}

std::string RichText(std::string_view name) {
    return "/richtext/" + std::string(name);
}

}  // namespace

std::string PhotoCode(std::string_view path) {
    const auto pos = path.rfind(kPhotoFolder);
    if (pos == std::string_view::npos) {
        return {};
    }
    return std::string(path.substr(pos + kPhotoFolder.size(), 2));
}

std::string PhotoFileName(std::string_view path) {
    const auto pos = path.rfind(kPhotoFolder);
    if (pos == std::string_view::npos) {
        return {};
    }
    return std::string(path.substr(pos + kPhotoFolder.size()));
}

std::optional<ContentFile> PhotoOnShowFile(std::string_view photoPath) {
    const std::size_t folder = photoPath.rfind(kPhotoFolder);
    if (folder == std::string_view::npos || folder + kPhotoFolder.size() == photoPath.size()) {
        return std::nullopt;
    }
    return ContentFile{std::string(photoPath.substr(0, folder)),
                       std::string(photoPath.substr(folder))};
}

std::string CaptionYY(std::string_view caption) {
    return std::string(Mid(caption, 3, 2));
}
std::string CaptionD(std::string_view caption) {
    return std::string(Mid(caption, 4, 1));
}
bool Is2000Caption(std::string_view caption) {
    return caption.substr(0, 2) == "20";
}

std::string CaptionToYearCode(std::string_view caption) {
    if (const Topic* topic = FindTopicByCaption(caption)) {
        return std::string(topic->code);
    }
    std::string code = CaptionYY(caption);
    return code == "00" ? "A0" : code;
}

std::string YearCodeToCaption(std::string_view code) {
    if (const Topic* topic = FindTopicByCode(code)) {
        return std::string(topic->caption);
    }
    if (code == "A0") {
        return "2000";
    }
    return "19" + std::string(code) + " ";
}

std::string YearOfButton(int index) {
    return index == 37 ? std::string("2000") : "19" + std::to_string(63 + index);
}

std::span<const Topic> Topics() {
    return kTopics;
}

const Topic* FindTopicByCaption(std::string_view caption) {
    for (const Topic& topic : kTopics) {
        if (topic.caption == caption) {
            return &topic;
        }
    }
    return nullptr;
}

const Topic* FindTopicByCode(std::string_view code) {
    for (const Topic& topic : kTopics) {
        if (topic.code == code) {
            return &topic;
        }
    }
    return nullptr;
}

ContentFile DescriptionDoc(std::string_view contentPath, std::string_view caption) {
    if (caption == kNothingChosen) {
        return In(contentPath, RichText("intro.rtf"));
    }
    if (const Topic* topic = FindTopicByCaption(caption)) {
        return In(contentPath, RichText(topic->description));
    }
    if (Is2000Caption(caption)) {
        return In(contentPath, "/RichText/a" + CaptionD(caption) + "desc.rtf");
    }
    return In(contentPath, RichText(CaptionYY(caption) + "desc.rtf"));
}

ContentFile EnginesDoc(std::string_view contentPath, std::string_view caption) {
    const Topic* topic = FindTopicByCaption(caption);
    if (topic && !topic->engines.empty()) {
        return In(contentPath, RichText(topic->engines));
    }
    if (Is2000Caption(caption)) {
        return In(contentPath, "/RichText/a" + CaptionD(caption) + "engines.rtf");
    }
    return In(contentPath, RichText(CaptionYY(caption) + "engines.rtf"));
}

ContentFile ColorsDoc(std::string_view contentPath, std::string_view caption) {
    if (caption == kDorran) {
        return In(contentPath, "/RichText/drcolors.rtf");
    }
    if (Is2000Caption(caption)) {
        return In(contentPath, "/RichText/a" + CaptionD(caption) + "colors.rtf");
    }
    return In(contentPath, "/RichText/" + CaptionYY(caption) + "colors.rtf");
}

ContentFile OptionsDoc(std::string_view contentPath, std::string_view caption) {
    if (caption == kDorran) {
        return In(contentPath, "/RichText/dropts.rtf");
    }
    if (Is2000Caption(caption)) {
        return In(contentPath, "/RichText/a" + CaptionD(caption) + "OPTS.rtf");
    }
    return In(contentPath, RichText(CaptionYY(caption) + "opts.rtf"));
}

ContentFile NostalgiaDoc(std::string_view contentPath, std::string_view yearCode) {
    return In(contentPath, RichText("nostalgia" + std::string(yearCode) + ".rtf"));
}

std::vector<ContentFile> NostalgiaButtonDocs(std::string_view contentPath,
                                             std::string_view caption) {
    std::vector<ContentFile> names{NostalgiaDoc(contentPath, CaptionYY(caption))};
    const ContentFile byCode = NostalgiaDoc(contentPath, CaptionToYearCode(caption));
    if (byCode != names.front()) {
        names.push_back(byCode);
    }
    return names;
}

ContentFile ClipArtPicture(std::string_view contentPath, std::string_view caption) {
    return In(contentPath, "/ClipArt/" + CaptionYY(caption) + "clip.jpg");
}

ContentFile ScriptPicture(std::string_view contentPath, std::string_view caption) {
    if (caption == kDorran) {
        return In(contentPath, "/SCRIPTS/SCRIDR.jpg");
    }
    if (caption == kPrototypes) {
        return In(contentPath, "/SCRIPTS/SCRIpt.jpg");
    }
    return In(contentPath, "/scripts/scri" + CaptionYY(caption) + ".jpg");
}

ContentFile EmblemPicture(std::string_view contentPath, std::string_view caption) {
    if (caption == kDorran) {
        return In(contentPath, "/emblems/embdr.jpg");
    }
    if (caption == kPrototypes) {
        return In(contentPath, "/emblems/EMBpt.jpg");
    }
    return In(contentPath, "/emblems/emb" + CaptionYY(caption) + ".jpg");
}

ContentFile AdvertisementPicture(std::string_view contentPath, std::string_view caption) {
    if (caption == kDorran) {
        return In(contentPath, "/ads/68HADR00.jpg");
    }
    return In(contentPath, "/ads/" + CaptionYY(caption) + "hava00.jpg");
}

std::optional<ContentFile> PerPhotoDetailsDoc(std::string_view contentPath,
                                              std::string_view caption, int photoNumber) {
    for (const PerPhotoPrefix& row : kPerPhotoPrefixes) {
        if (row.caption == caption) {
            const std::string_view prefix = photoNumber < 5 ? row.belowFive : row.fromFive;
            return In(contentPath,
                      RichText(std::string(prefix) + std::to_string(2 * photoNumber) + ".rtf"));
        }
    }
    return std::nullopt;
}

ContentFile PhotoDetailsDoc(std::string_view photoRoot, std::string_view photoFileName) {
    const auto dot = photoFileName.find('.');
    return In(photoRoot, "/richtext/" + AsciiLower(photoFileName.substr(0, dot)) + ".rtf");
}

std::string BookletYearCode(int yearValue) {
    return yearValue == 100 ? std::string("A0") : std::to_string(yearValue);
}

ContentFile BookletDescriptionDoc(std::string_view contentPath, int yearValue) {
    return In(contentPath, "/RichText/" + BookletYearCode(yearValue) + "desc.rtf");
}

ContentFile BookletDetailsDoc(std::string_view contentPath, int yearValue) {
    return In(contentPath, "/RichText/" + BookletYearCode(yearValue) + ".rtf");
}

ContentFile BookletOverviewDoc(std::string_view contentPath) {
    return In(contentPath, "/RichText/intro.rtf");
}

std::span<const std::string_view> BookletCoverPictures() {
    return kCoverPictures;
}

ContentFile StartupSound(std::string_view programFolder) {
    return In(programFolder, "/passby.wav");
}

ContentFile HelpFile(std::string_view programFolder) {
    // A root never ends in '/', but the file-system root itself is "/".
    if (!programFolder.empty() && programFolder.back() == '/') {
        programFolder.remove_suffix(1);
    }
    return In(programFolder, "/vantrel2000.HLP");
}

ContentFile ScreenSaverProgram(std::string_view programFolder) {
    return In(programFolder, "/Vantrel2000.scr");
}

ContentFile CodecInstaller(std::string_view contentPath) {
    return In(contentPath, "/IndeoVideo/iv5play.exe");
}

std::string MediaStoreFolder(std::string_view programFolder, bool programFolderWritable,
                             std::string_view xdgDataHome, std::string_view home) {
    if (programFolderWritable) {
        return std::string(programFolder);
    }
    // Only an absolute XDG_DATA_HOME counts; a relative one is to be ignored.
    if (!xdgDataHome.empty() && xdgDataHome.front() == '/') {
        return std::string(xdgDataHome) + "/velocarta";
    }
    return std::string(home) + "/.local/share/velocarta";
}

}  // namespace velocarta
