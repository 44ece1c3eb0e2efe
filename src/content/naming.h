#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "content/content_file.h"

namespace velocarta {

// The photo folder under PhotoRoot. A catalogue path is PhotoRoot + this + the upper-cased
// file name, so the file name starts 10 characters after the folder name's position.
inline constexpr std::string_view kPhotoFolder = "/vantrels/";
inline constexpr std::string_view kPhotoPattern = "/vantrels/*.jpg";
inline constexpr std::string_view kMoviePattern = "/movies/*.avi";

// The caption of the year panel before anything was picked.
inline constexpr std::string_view kNothingChosen = "panYear";

// A photo path is a root, "/vantrels/" and the file name; the photo folder that counts is
// the last one, as a root may be a folder named vantrels itself.

// The two characters after "/vantrels/" in a photo path (upper case, as the catalogue holds
// names); "" when the path holds no photo folder.
std::string PhotoCode(std::string_view path);

// The file name of a photo path: everything after "/vantrels/".
std::string PhotoFileName(std::string_view path);

// The photo on show as a file of its root ("/vantrels/" and the file name below it); nothing
// when no photo is on show.
std::optional<ContentFile> PhotoOnShowFile(std::string_view photoPath);

// Characters 3 and 4 of a caption, the two-digit year of a model year ("1965" -> "65",
// "2000" -> "00"); shorter captions give what they have.
std::string CaptionYY(std::string_view caption);
// Character 4 of a caption ("2000" -> "0").
std::string CaptionD(std::string_view caption);
// Whether a caption names the year 2000, whose documents are spelled "a" + D.
bool Is2000Caption(std::string_view caption);

// The year or topic code of a year-panel caption. Topic captions end in one blank and only
// match with it; any other caption gives its characters 3 and 4; "00" becomes "A0" so that
// the photos of 2000 sort after 1999.
std::string CaptionToYearCode(std::string_view caption);

// The caption for a photo code: topic captions keep their trailing blank, "A0" gives "2000"
// and any other code "19" + code + " " ("65" -> "1965 ").
std::string YearCodeToCaption(std::string_view code);

// The caption of year button `index` (1 to 37): "1964" .. "1999", "2000".
std::string YearOfButton(int index);

enum class TopicKind { Edition, Merchandise };

// The special editions and merchandise topics of the content disc, in the order their
// captions are tested. `description` and `engines` are file names in "/richtext/";
// topics with one details document per photo have `detailsPrefix` instead of `engines`.
struct Topic {
    std::string_view caption;
    std::string_view code;
    TopicKind kind;
    std::string_view description;
    std::string_view engines;
    std::string_view detailsPrefix;
};
std::span<const Topic> Topics();
const Topic* FindTopicByCaption(std::string_view caption);
const Topic* FindTopicByCode(std::string_view code);

// Documents and pictures of a year or topic, for the year-panel caption on show. Each
// builder spells folder and name exactly as the program asks for them; lookups ignore case.
ContentFile DescriptionDoc(std::string_view contentPath, std::string_view caption);
ContentFile EnginesDoc(std::string_view contentPath, std::string_view caption);
ContentFile ColorsDoc(std::string_view contentPath, std::string_view caption);
ContentFile OptionsDoc(std::string_view contentPath, std::string_view caption);
// Nostalgia follows the year code, so 2000 reads nostalgiaA0.rtf.
ContentFile NostalgiaDoc(std::string_view contentPath, std::string_view yearCode);
// The names the Nostalgia button tries for the caption on show, in order: its own spelling,
// "nostalgia" + characters 3 and 4 of the caption ("nostalgia00.rtf" for 2000), then the
// year-code name where that differs ("nostalgiaA0.rtf"). Discs name the 2000 text either way.
std::vector<ContentFile> NostalgiaButtonDocs(std::string_view contentPath,
                                             std::string_view caption);
ContentFile ClipArtPicture(std::string_view contentPath, std::string_view caption);
ContentFile ScriptPicture(std::string_view contentPath, std::string_view caption);
ContentFile EmblemPicture(std::string_view contentPath, std::string_view caption);
ContentFile AdvertisementPicture(std::string_view contentPath, std::string_view caption);

// The Details text of photo number `photoNumber` for the topics that have one per photo:
// prefix + twice the photo number (photo 1 of the prototypes reads pt002.rtf, photo 5
// pt010.rtf). Nothing for other captions.
std::optional<ContentFile> PerPhotoDetailsDoc(std::string_view contentPath,
                                              std::string_view caption, int photoNumber);

// The details document that lies beside a photo: "/richtext/" + the photo's file name in
// lower case without its extension + ".rtf", under the photo's own root (65A.JPG ->
// /richtext/65a.rtf).
ContentFile PhotoDetailsDoc(std::string_view photoRoot, std::string_view photoFileName);

// Booklet texts for a year value (64 .. 99, or 100 for 2000, whose code is "A0").
std::string BookletYearCode(int yearValue);
ContentFile BookletDescriptionDoc(std::string_view contentPath, int yearValue);
ContentFile BookletDetailsDoc(std::string_view contentPath, int yearValue);
ContentFile BookletOverviewDoc(std::string_view contentPath);
// The four cover pictures, in drawing order.
std::span<const std::string_view> BookletCoverPictures();

// Where the copies of the disc's photos and movies and the screen saver's selection live:
// beside the program when the user may write there (a program run from its build folder),
// else in the user's data folder ($XDG_DATA_HOME/velocarta, or ~/.local/share/velocarta), as
// for a program installed into the system's folders.
std::string MediaStoreFolder(std::string_view programFolder, bool programFolderWritable,
                             std::string_view xdgDataHome, std::string_view home);

// Files of the program folder.
ContentFile StartupSound(std::string_view programFolder);
ContentFile HelpFile(std::string_view programFolder);
ContentFile ScreenSaverProgram(std::string_view programFolder);
// The codec installer on the content disc.
ContentFile CodecInstaller(std::string_view contentPath);

}  // namespace velocarta
