#include "content/errors.h"

#include <array>
#include <utility>

namespace velocarta {

namespace {

constexpr std::string_view kTextFile = " Unable to load the text file.";
constexpr std::string_view kSlideShowPhoto = " Unable to load Slide Show photo.";
constexpr std::string_view kDescription = " Unable to load  Description  for year selected.";
constexpr std::string_view kClipArt = " Vantrel clip art not found for year selected.";
constexpr std::string_view kEngines = " Unable to load the Engines text file.";
constexpr std::string_view kNoDisc = " Unable to detect the Vantrel Velocarta CDROM.";

// There is no ER019.
constexpr std::array<std::pair<std::string_view, std::string_view>, 55> kErrorTable{{
    {"ER001", kNoDisc},
    {"ER002", kDescription},
    {"ER003", " Unable to load Intel Video driver install software."},
    {"ER004", kTextFile},
    {"ER005", kTextFile},
    {"ER006", kTextFile},
    {"ER007", kDescription},
    {"ER008", " Unable to load the Magazines text file."},
    {"ER009", kTextFile},
    {"ER010", " Unable to load the Credits text file."},
    {"ER011", kSlideShowPhoto},
    {"ER012", " Unable to load photo."},
    {"ER013", kSlideShowPhoto},
    {"ER014", kSlideShowPhoto},
    {"ER015", kSlideShowPhoto},
    {"ER016", kSlideShowPhoto},
    {"ER017", kSlideShowPhoto},
    {"ER018", kSlideShowPhoto},
    {"ER020", " Error loading text file."},
    {"ER021", " Unable to load  Script  for year selected."},
    {"ER022", " Unable to load  Emblem  for year selected."},
    {"ER023", " Vantrel photo not found for year selected."},
    {"ER024", kClipArt},
    {"ER025", " Unable to load the Notice text file."},
    {"ER026", " Unable to load the Options text file."},
    {"ER027", kEngines},
    {"ER028", kEngines},
    {"ER029", " Unable to load the Colors text file."},
    {"ER030", " Unable to load the Press release text file."},
    {"ER031", " "},
    {"ER032", " Unable to load sound file: "},
    {"ER033", " Unable to load 'Postage Stamps' text file."},
    {"ER034", " You must select both a Start Year and an End Year. "},
    {"ER035", kClipArt},
    {"ER036", " 'TO' year may not be earlier than 'FROM' year."},
    {"ER037", " Unable to load the photo array."},
    {"ER038", " Unable to load the 'Sound Effects' file."},
    {"ER039", kSlideShowPhoto},
    {"ER040", " Unable to load file for printing."},
    {"ER041", " Unable to load  Rear Emblem for year selected."},
    {"ER042", " Unable to load  Side Emblem for year selected."},
    {"ER043", "  "},
    {"ER044", " Unable to load Vantrel Ad."},
    {"ER045", " Unable to load Vantrel Movie."},
    {"ER046", " "},
    {"ER047", " "},
    {"ER048", " "},
    {"ER049", " Unable to find Screen Saver."},
    {"ER050", " Unable to load 'Identification Guide' text file."},
    {"ER051", " "},
    {"ER052", " Unable to load 'Install Screen Saver Help' text file."},
    {"ER053", " Unable to load 'Contributions' text file."},
    {"ER054", "       "},
    {"ER055", kNoDisc},
    {"ER056", " Unable to load 'What's New' text file."},
}};

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kClosingLine =
    "Make sure that the Vantrel Velocarta is in the CDROM drive.";

bool IsInputError(std::string_view code) {
    return code == "ER034" || code == "ER036";
}

bool IsRetryCode(std::string_view code) {
    return code == "ER001" || code == "ER037" || code == "ER055";
}

}  // namespace

std::string_view ErrorBody(std::string_view code) {
    for (const auto& [key, body] : kErrorTable) {
        if (key == code) {
            return body;
        }
    }
    return {};
}

std::string ComposeErrorMessage(std::string_view code, std::string_view reason) {
    std::string message = "Error number: ";
    message += code;
    message += kLineBreak;
    message += kLineBreak;
    message += ErrorBody(code);
    if (!reason.empty()) {
        message += kLineBreak;
        message += kLineBreak;
        message += reason;
    }
    if (!IsInputError(code)) {
        message += kLineBreak;
        message += kLineBreak;
        message += kClosingLine;
    }
    return message;
}

ErrorReport DecideErrorReport(std::string_view code, bool failurePending, int yearButtonIndex,
                              std::string_view reason) {
    ErrorReport report;
    report.message.text = ComposeErrorMessage(code, reason);
    report.message.title = kProductTitle;
    if (IsRetryCode(code)) {
        report.message.buttons = Buttons::RetryCancel;
        report.message.icon = Icon::None;
        report.offersRetry = true;
        return report;
    }
    report.message.buttons = Buttons::Ok;
    report.message.icon = Icon::Critical;
    report.focusButton = failurePending ? 0 : NextYearButton(yearButtonIndex);
    report.enableMainWindow = true;
    return report;
}

int NextYearButton(int yearButtonIndex) {
    return yearButtonIndex == 37 ? 1 : yearButtonIndex + 1;
}

}  // namespace velocarta
