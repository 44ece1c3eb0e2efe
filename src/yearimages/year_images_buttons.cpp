// The five buttons and the clicks on the picture boxes.
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "content/naming.h"
#include "program/copy_active_control.h"
#include "program/program.h"
#include "reading/text_viewer.h"
#include "tools/zoom_viewer/zoom_viewer.h"
#include "yearimages/picture_file.h"
#include "yearimages/year_images.h"

namespace velocarta {

namespace {

constexpr const char* kNoAdvertisement =
    "Sorry!\r\n\r\nThe Year 2000 ad has not yet been released by Halder.\r\n";

}  // namespace

void YearImages::FocusNextYearButton() {
    mainWindow_.focusYearButton(program_.onShow.nextYearButton());
}

void YearImages::cmdEmblem_Click() {
    if (program_.onShow.nothingChosen()) {
        return;
    }
    if (!picEmblem_->isHidden()) {
        picEmblem_->hide();
    } else {
        LoadEmblem();
    }
    FocusNextYearButton();
}

void YearImages::cmdScript_Click() {
    if (program_.onShow.nothingChosen()) {
        return;
    }
    if (!picScript_->isHidden()) {
        picScript_->hide();
    } else {
        LoadScript();
    }
    FocusNextYearButton();
}

void YearImages::cmdClipArt_Click() {
    if (!picClipArt_->isHidden()) {
        picClipArt_->hide();
        return;
    }
    if (program_.onShow.nothingChosen()) {
        return;
    }
    FocusNextYearButton();
    try {
        Fill(picClipArt_, ClipArtPicture(program_.contentPath, program_.onShow.caption()));
        PlaceClipArt();
        picClipArt_->raise();
        picClipArt_->show();
    } catch (const PictureLoadError&) {
        program_.ShowError("ER035", ErrorSource::Trap);
    }
}

void YearImages::cmdNostalgia_Click() {
    const OnShow& onShow = program_.onShow;
    if (onShow.nothingChosen()) {
        return;
    }
    const std::string& caption = onShow.caption();
    // The 2000 text is named by its year code on some discs and by its digits on others:
    // the first name the disc holds is read.
    const std::vector<ContentFile> names = NostalgiaButtonDocs(program_.contentPath, caption);
    ContentFile document = names.front();
    for (const ContentFile& name : names) {
        try {
            if (program_.services.fileSystem.resolve(name)) {
                document = name;
                break;
            }
        } catch (const FileSystemError&) {
            // The viewer reports the document it cannot read.
        }
    }
    if (!viewer_.Open(document, "The Vantrel Velocarta     Nostalgia " + caption.substr(0, 4))) {
        program_.ShowError("ER005", ErrorSource::Trap);
        program_.services.screen.setPointer(Pointer::Default);
    }
}

void YearImages::cmdAd_Click() {
    if (closeScreenSaverList_) {
        closeScreenSaverList_();
    }
    const OnShow& onShow = program_.onShow;
    // Before a pick there is no year whose advertisement could be missing.
    if (onShow.nothingChosen()) {
        return;
    }
    Services& services = program_.services;
    const std::string caption = onShow.caption();
    QImage picture;
    services.screen.setPointer(Pointer::Hourglass);
    try {
        picture = LoadPictureFile(services.fileSystem,
                                  AdvertisementPicture(program_.contentPath, caption));
    } catch (const PictureLoadError&) {
        services.screen.setPointer(Pointer::Default);
        services.prompter.ask({kNoAdvertisement, kProductTitle, Buttons::Ok, Icon::Exclamation});
        mainWindow_.widget()->setEnabled(true);
        return;
    }
    zoomViewer_->Open(QPixmap::fromImage(std::move(picture)),
                      "The Vantrel Velocarta    " + caption + " Advertisement", caption);
    services.screen.setPointer(Pointer::Default);
}

void YearImages::PictureBox_Click(QLabel* box) {
    box->hide();
    FocusNextYearButton();
}

void YearImages::PictureBox_MouseDown(QLabel* box, Qt::MouseButton button) {
    CopyActiveControl(program_, *box, button == Qt::RightButton);
}

}  // namespace velocarta
