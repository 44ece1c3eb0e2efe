#include "screensaver/screen_saver_rules.h"

#include <initializer_list>

#include "content/naming.h"

namespace velocarta {

namespace {

std::string Lines(std::initializer_list<std::string_view> lines) {
    std::string text;
    bool first = true;
    for (const std::string_view line : lines) {
        if (!first) {
            text += "\r\n";
        }
        first = false;
        text += line;
    }
    return text;
}

Message Box(std::string text, Buttons buttons, Icon icon) {
    return {std::move(text), kProductTitle, buttons, icon};
}

}  // namespace

std::string SaverSettingsFolder(std::string_view xdgConfigHome, std::string_view home) {
    if (!xdgConfigHome.empty() && xdgConfigHome.front() == '/') {
        return std::string(xdgConfigHome) + "/velocarta";
    }
    return std::string(home) + "/.config/velocarta";
}

std::optional<ContentFile> ScreenSaverTarget(std::string_view storeFolder,
                                             std::string_view currentPhotoPath) {
    if (!PhotoOnShowFile(currentPhotoPath)) {
        return std::nullopt;
    }
    return ContentFile{std::string(storeFolder),
                       std::string(kSelectionFolder) + PhotoFileName(currentPhotoPath)};
}

PhotoListButtons DecidePhotoListButtons(bool photoOnShow, bool inSelection) {
    if (!photoOnShow) {
        return {};
    }
    return {!inSelection, inSelection};
}

InstallFolderDecision DecideInstallFolder(SaverPhotos photos, bool hardDiskPhotos,
                                          std::string_view storeFolder) {
    if (photos == SaverPhotos::Selected) {
        return {false, std::string(storeFolder) + std::string(kSelectionFolder)};
    }
    if (hardDiskPhotos) {
        return {false, CopiedPhotoFolder(storeFolder)};
    }
    return {true, {}};
}

std::string CopiedPhotoFolder(std::string_view storeFolder) {
    return std::string(storeFolder) + std::string(kPhotoFolder);
}

std::string DiscPhotoFolder(std::string_view contentPath) {
    return std::string(contentPath) + std::string(kPhotoFolder);
}

ContentFile ScreenSaverHelpDoc(std::string_view contentPath) {
    return {std::string(contentPath), "/richtext/sshelp.rtf"};
}

Message PhotoAddedMessage() {
    return Box("Photo Successfully Copied!", Buttons::Ok, Icon::Exclamation);
}

Message PhotoRemovedMessage() {
    return Box("Photo Successfully Removed!", Buttons::Ok, Icon::Exclamation);
}

Message RemoveAllQuestion() {
    return Box(std::string("Would you like to remove all photos from the Vantrel") +
                   " Velocarta Screen Saver list?",
               Buttons::YesNo, Icon::Question);
}

Message AllPhotosRemovedMessage() {
    return Box(Lines({"All Photos Successfully Removed!", "",
                      "You must re-install The Vantrel Velocarta Screen Saver ",
                      "if you have previously installed it to play Selected Photos."}),
               Buttons::Ok, Icon::None);
}

Message PhotoClipboardQuestion() {
    return Box("Would you like to copy this image to the Windows Clipboard?", Buttons::YesNo,
               Icon::Question);
}

Message PhotoListHelpMessage() {
    return Box(Lines({"Use this form to add or remove Vantrel photos from the",
                      "Vantrel Velocarta Screen Saver play list. Pick and choose",
                      "whatever photos that you would like to include.", "",
                      "Select the Install Screen Saver option under the File menu",
                      "to configure the Screen Saver to recognize selected photos.", "",
                      "If you remove all photos, remember to re-install the ",
                      "Screen Saver and choose the Select All Photos option."}),
               Buttons::Ok, Icon::None);
}

Message PhotoNotAddedMessage(std::string_view failure) {
    return Box(Lines({"Unable to add this photo to the Screen Saver list.", "", failure}),
               Buttons::Ok, Icon::Exclamation);
}

Message PhotoNotRemovedMessage(std::string_view failure) {
    return Box(Lines({"Unable to remove this photo from the Screen Saver list.", "", failure}),
               Buttons::Ok, Icon::Exclamation);
}

Message PhotoNotOnClipboardMessage(std::string_view failure) {
    return Box(Lines({"Unable to copy this photo to the Clipboard.", "", failure}), Buttons::Ok,
               Icon::Exclamation);
}

Message CopyPhotosOfferQuestion() {
    return Box(Lines({"To improve performance, the Vantrel photos may be copied from",
                      "the Vantrel Velocarta CDROM to your hard drive before you install",
                      "the Vantrel Velocarta Screen Saver.", "",
                      "Would you like to copy the photos now?"}),
               Buttons::YesNo, Icon::Question);
}

Message ScreenSaverInstalledMessage() {
    return Box(Lines({"The Vantrel Velocarta Screen Saver has been installed!", "",
                      "If you have not already done so, you must now activate ",
                      "the Vantrel Velocarta Screen Saver.", "", "To do this follow these steps:",
                      "    1) Click the Start button on the Windows desktop ",
                      "    2) Click the Settings button                    ",
                      "    3) Click on Control Panel                       ",
                      "    4) Double click on the Display icon             ",
                      "    5) Select the Screen Saver tab                  ",
                      "    6) Click the dropdown arrow to the left of the Settings button",
                      "    7) Select Vantrel2000                           ",
                      "    8) Click OK                            "}),
               Buttons::Ok, Icon::None);
}

}  // namespace velocarta
