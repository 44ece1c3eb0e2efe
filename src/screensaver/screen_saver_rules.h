#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "content/content_file.h"
#include "content/naming.h"
#include "platform/prompter.h"

namespace velocarta {

// The screen saver's selection: plain copies of photos under their own file names, in this
// folder of the store folder. Nothing else records it.
inline constexpr std::string_view kSelectionFolder = "/ssvantrels/";
inline constexpr std::string_view kSelectionPattern = "/ssvantrels/*.jpg";
// The copies of the disc's photos in the store folder.
inline constexpr std::string_view kHardDiskPhotoPattern = "/vantrels/*.jpg";

// The screen saver's settings: this file in the settings folder, one section, two keys.
inline constexpr std::string_view kSaverSettingsFile = "/Vantrel2000.ini";
inline constexpr std::string_view kSaverSection = "Vantrel2000";
inline constexpr std::string_view kPhotoFolderKey = "VantrelPath";
inline constexpr std::string_view kIntervalKey = "Interval";
// The installed screen saver, beside its settings.
inline constexpr std::string_view kInstalledSaver = "/Vantrel2000.scr";

// The folder of the screen saver's settings and of the installed screen saver: the
// program's folder in the user's configuration ($XDG_CONFIG_HOME/velocarta, or
// ~/.config/velocarta; a relative XDG_CONFIG_HOME does not count).
std::string SaverSettingsFolder(std::string_view xdgConfigHome, std::string_view home);

// Where the photo on show goes in the selection (ScreenSaverTarget): the selection folder
// and the file name that follows the first "/vantrels/", so a photo of the disc and its
// copy on the hard disk have the same place. Nothing when no photo is on show.
std::optional<ContentFile> ScreenSaverTarget(std::string_view storeFolder,
                                             std::string_view currentPhotoPath);

// Which of Add and Remove the photo list offers: exactly one of them for a photo on show,
// Remove when the photo is in the selection; neither when there is no photo to act on.
struct PhotoListButtons {
    bool add = false;
    bool remove = false;
};
PhotoListButtons DecidePhotoListButtons(bool photoOnShow, bool inSelection);

// The photos the installed screen saver shows.
enum class SaverPhotos { All, Selected };

// The photo folder the installation writes ("VantrelPath", always ending in '/'), or the
// copy offer when all photos are to be shown and the hard disk has none yet.
struct InstallFolderDecision {
    bool offerCopy = false;
    std::string folder;
};
InstallFolderDecision DecideInstallFolder(SaverPhotos photos, bool hardDiskPhotos,
                                          std::string_view storeFolder);
// After the copy offer: the copies on the hard disk, or the disc's photos when declined.
std::string CopiedPhotoFolder(std::string_view storeFolder);
std::string DiscPhotoFolder(std::string_view contentPath);

// The installation's help document and the caption of its viewer.
ContentFile ScreenSaverHelpDoc(std::string_view contentPath);
inline constexpr std::string_view kScreenSaverHelpCaption =
    "The Vantrel Velocarta       Install Screen Saver Help";

// The panel's delay read-out when it opens.
inline constexpr std::string_view kOpeningSaverDelayCaption = "1 Second";

// The messages of the photo list.
Message PhotoAddedMessage();
Message PhotoRemovedMessage();
Message RemoveAllQuestion();
Message AllPhotosRemovedMessage();
Message PhotoClipboardQuestion();
Message PhotoListHelpMessage();
// What the photo list says when a file operation fails: what failed and the system's
// description of why.
Message PhotoNotAddedMessage(std::string_view failure);
Message PhotoNotRemovedMessage(std::string_view failure);
Message PhotoNotOnClipboardMessage(std::string_view failure);

// The messages of the installation.
Message CopyPhotosOfferQuestion();
Message ScreenSaverInstalledMessage();

}  // namespace velocarta
