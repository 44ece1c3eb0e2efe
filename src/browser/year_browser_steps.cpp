// The photo steps of the main window, the photo itself, the file-name box and the Details
// text that follows the photo on topics.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>

#include "browser/photo_stepping.h"
#include "browser/year_browser.h"
#include "content/naming.h"
#include "program/photo_cache.h"
#include "program/photo_view.h"
#include "program/program.h"
#include "program/rich_text_box.h"

namespace velocarta {

QSize YearBrowser::PhotoTargetSize() const {
    return Image4_->size() * Image4_->devicePixelRatioF();
}

void YearBrowser::LoadPicture(int k) {
    Image4_->setImage(photoCache_->load(program_.photos.file(k), PhotoTargetSize()));
}

void YearBrowser::PrefetchAround(int k) {
    const PhotoCatalogue& photos = program_.photos;
    if (k < 1 || k > photos.count()) {
        return;
    }
    // The neighbours within the year or topic, wrapping at its ends as the steps do.
    const auto [first, last] = photos.runOf(photos.code(k));
    const int next = k == last ? first : k + 1;
    const int previous = k == first ? last : k - 1;
    std::vector<ContentFile> neighbours{photos.file(next)};
    if (previous != next) {
        neighbours.push_back(photos.file(previous));
    }
    photoCache_->prefetch(photos.file(k), neighbours, PhotoTargetSize());
}

bool YearBrowser::DisplayEntry(int k) {
    try {
        LoadPicture(k);
    } catch (const PhotoLoadError&) {
        return false;
    }
    program_.onShow.setPhotoNumber(program_.photos.number(k));
    program_.onShow.setPhotoPath(program_.photos.path(k));
    PrefetchAround(k);
    return true;
}

void YearBrowser::NextPhoto() {
    OnShow& onShow = program_.onShow;
    ApplyStep(velocarta::NextPhoto(onShow.steps, program_.photos, onShow.caption(),
                                   onShow.yearCode(), [this](int k) { return DisplayEntry(k); }),
              /*backward=*/false);
}

void YearBrowser::PreviousPhoto() {
    OnShow& onShow = program_.onShow;
    ApplyStep(
        velocarta::PreviousPhoto(onShow.steps, program_.photos, onShow.caption(), onShow.yearCode(),
                                 [this](int k) { return DisplayEntry(k); }),
        /*backward=*/true);
}

void YearBrowser::ApplyStep(const StepOutcome& outcome, bool backward) {
    // Each direction reports its failures with its own code.
    const char* errorCode = backward ? "ER011" : "ER012";
    switch (outcome.kind) {
        case StepOutcome::Kind::NothingPicked:
            cmdYR_[1]->setEnabled(true);
            FocusYearButton(1);
            return;
        case StepOutcome::Kind::NoPhotos:
            return;
        case StepOutcome::Kind::Failed:
            program_.ShowError(errorCode, ErrorSource::Trap);
            if (!backward) {
                return;
            }
            break;  // a backward step still moves the focus and follows with the Details
        case StepOutcome::Kind::Shown:
            break;
    }
    if (outcome.topicFocus) {
        cmdYR_[1]->setEnabled(true);
    }
    FocusYearButton(outcome.focusButton);
    if (outcome.topicFocus && rtbDetails_->isVisible()) {
        // After a backward step PhotoIndex points one before the photo on show.
        const int shown = program_.onShow.steps.photoIndex + (backward ? 1 : 0);
        try {
            LoadDetailsOf(shown);
        } catch (const std::exception&) {
            program_.ShowError(errorCode, ErrorSource::Trap);
        }
    }
}

void YearBrowser::LoadDetailsOf(int k) {
    const PhotoCatalogue& photos = program_.photos;
    LoadRichText(*rtbDetails_, program_.services.fileSystem,
                 PhotoDetailsDoc(photos.root(), photos.fileName(k)));
    const Rect place = DetailsBoxPlace(mainWindow_.layout());
    rtbDetails_->move(place.left, place.top);
}

void YearBrowser::mnuNames_Click() {
    QAction* entry = mainWindow_.menuEntry("mnuNames");
    if (program_.onShow.nothingChosen()) {
        return;
    }
    if (showFileNames_) {
        entry->setText(QStringLiteral("Show File &Names"));
        showFileNames_ = false;
        txtFile_->hide();
        return;
    }
    showFileNames_ = true;
    entry->setText(QStringLiteral("Hide File &Names"));
    txtFile_->setText(QString::fromStdString(PhotoFileName(program_.onShow.photoPath())));
    txtFile_->show();
    txtFile_->raise();
}

void YearBrowser::txtFile_Click() {
    mainWindow_.menuEntry("mnuNames")->setText(QStringLiteral("Show File &Names"));
    showFileNames_ = false;
    txtFile_->hide();
}

}  // namespace velocarta
