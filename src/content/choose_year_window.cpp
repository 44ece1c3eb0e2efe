// Choosing a year or topic, applied to the main window.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>

#include "browser/photo_cache.h"
#include "browser/photo_view.h"
#include "browser/spin_button.h"
#include "content/choose_year.h"
#include "content/module1.h"
#include "content/naming.h"
#include "shell/form1.h"

namespace velocarta {

namespace {

void Apply(QPushButton* button, Switch state) {
    if (state != Switch::Keep) {
        button->setEnabled(state == Switch::On);
    }
}

}  // namespace

std::string Module1::YearCaption() const {
    return form1_ ? form1_->panYear->text().toStdString() : std::string(kNothingChosen);
}

void Module1::SetTopicButtons() {
    Form1& form = *form1_;
    const TopicButtonsDecision decision = DecideTopicButtons(YearCaption());
    state.slideShowDirty = false;
    form.setEnabled(true);
    if (decision.showPhotoControls) {
        form.SpinButton1->show();
        form.panPhoto->show();
        form.panYear->show();
    }
    const TopicButtonStates& buttons = decision.buttons;
    Apply(form.cmdDesc, buttons.desc);
    Apply(form.cmdStats, buttons.stats);
    Apply(form.cmdOptions, buttons.options);
    Apply(form.cmdColors, buttons.colors);
    Apply(form.cmdScript, buttons.script);
    Apply(form.cmdEmblem, buttons.emblem);
    Apply(form.cmdAd, buttons.ad);
    Apply(form.cmdNostalgia, buttons.nostalgia);
    Apply(form.cmdClipArt, buttons.clipArt);
    if (decision.hidePictureBoxes) {
        form.picClipArt->hide();
        form.picEmblem->hide();
        form.picScript->hide();
    }
    if (decision.hideClipArt) {
        form.picClipArt->hide();
    }
    // The emblem, script and clip-art boxes open from their buttons; while none is open
    // there is nothing to fill again for the new caption.
    if (decision.enableYearButtons) {
        for (int index = 1; index <= 36; ++index) {
            form.cmdYR[index]->setEnabled(true);
        }
    }
    UnloadViewer();
}

void Module1::ChooseYear() {
    Form1& form = *form1_;
    form.menuEntry("mnuNames")->setEnabled(true);
    form.rtbDetails->hide();
    state.steps.firstPhotoOnShow = true;

    const std::string caption = YearCaption();
    const ChooseYearDecision decision = DecideChooseYear(caption, state.photos);
    state.yearCode = decision.pictureCode;
    SetTopicButtons();
    form.cmdStats->setText(QString::fromStdString(decision.statsCaption));
    state.yearCode = decision.yearCode;

    state.steps.photoIndex = decision.photoIndex;
    bool shown = false;
    if (decision.photoFound) {
        state.currentPhotoPath = state.photos.path(decision.photoIndex);
        if (state.showFileNames) {
            form.txtFile->setText(
                QString::fromStdString(state.photos.fileName(decision.photoIndex).substr(0, 12)));
        }
        try {
            form.LoadPicture(state.photos.file(decision.photoIndex));
            form.Image4->show();
            form.PrefetchAround(decision.photoIndex);
            shown = true;
        } catch (const PhotoLoadError&) {
            state.errorCode = "ER023";
            ShowError(ErrorSource::Trap);
        }
    } else {
        state.errorCode = "ER023";
        ShowError(ErrorSource::Lookup);
    }
    if (!shown) {
        form.Image4->clear();
        form.Image4->hide();
    }
    state.steps.lastPhotoIndex = state.steps.photoIndex;
}

}  // namespace velocarta
