// The four year-text buttons: Description, Engines (Details on topics), Colors and Options.
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>

#include "browser/year_browser.h"
#include "content/lookup.h"
#include "content/naming.h"
#include "content/rtf/qt/rich_text.h"
#include "program/controls.h"
#include "program/program.h"
#include "program/rich_text_box.h"
#include "reading/text_viewer.h"
#include "reading/year_texts.h"

namespace velocarta {

void YearBrowser::OpenYearText(const ViewerRequest& request, const char* errorCode) {
    const std::string found = FirstListed(program_.services.fileSystem, request.lookup);
    if (found.empty() ||
        !viewer_.Open({program_.contentPath, request.loadFolder + found}, request.caption)) {
        program_.ShowError(errorCode, ErrorSource::Trap);
    }
}

void YearBrowser::cmdDesc_Click() {
    OpenYearText(DescriptionRequest(program_.contentPath, program_.onShow.caption()), "ER002");
}

void YearBrowser::PlaceDetailsBox() {
    // The details box lies over the photo, its right edge 10 pixels inside the
    // Advertisement button's.
    rtbDetails_->raise();
    rtbDetails_->setGeometry(PixelsOf(DetailsBoxPlace(mainWindow_.layout())));
}

void YearBrowser::cmdStats_Click() {
    const OnShow& onShow = program_.onShow;
    if (onShow.nothingChosen()) {
        return;
    }
    FocusYearButton(onShow.nextYearButton());
    if (rtbDetails_->isVisible()) {
        rtbDetails_->hide();
        return;
    }
    PlaceDetailsBox();
    const auto details =
        PerPhotoDetailsDoc(program_.contentPath, onShow.caption(), onShow.photoNumber());
    if (!details) {
        OpenYearText(EnginesRequest(program_.contentPath, onShow.caption()), "ER027");
        return;
    }
    try {
        LoadRichText(*rtbDetails_, program_.services.fileSystem, *details);
        rtbDetails_->show();
    } catch (const RichTextError&) {
        program_.ShowError("ER027", ErrorSource::Trap);
    }
}

void YearBrowser::cmdColors_Click() {
    if (const auto request = ColorsRequest(program_.contentPath, program_.onShow.caption())) {
        OpenYearText(*request, "ER029");
    }
}

void YearBrowser::cmdOptions_Click() {
    if (const auto request = OptionsRequest(program_.contentPath, program_.onShow.caption())) {
        OpenYearText(*request, "ER026");
    }
}

void YearBrowser::rtbDetails_Click() {
    rtbDetails_->hide();
    FocusYearButton(program_.onShow.nextYearButton());
}

}  // namespace velocarta
