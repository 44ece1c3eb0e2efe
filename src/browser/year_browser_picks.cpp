// The ways into a year or topic: the year buttons, Space, the photo click, the first click
// on the bare window, the topic menus, and what choosing a year does.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>

#include "browser/year_browser.h"
#include "browser/year_selector.h"
#include "content/choose_year.h"
#include "content/errors.h"
#include "content/naming.h"
#include "program/photo_cache.h"
#include "program/photo_view.h"
#include "program/program.h"
#include "program/spin_button.h"
#include "reading/documents.h"
#include "slideshow/hand_back.h"

namespace velocarta {

void YearBrowser::ResetPhotoSteps() {
    StepState& steps = program_.onShow.steps;
    steps.photoIndex = 0;
    program_.onShow.setPhotoNumber(1);
    steps.steppedForward = false;
    steps.steppedBack = false;
}

void YearBrowser::cmdYR_Click(int index) {
    Services& services = program_.services;
    yearPicked_ = true;
    services.screen.setPointer(Pointer::Hourglass);
    rtbDetails_->hide();
    Image4_->clear();
    ChooseYear(YearOfButton(index));
    FocusYearButton(NextYearButton(index));
    ResetPhotoSteps();
    services.screen.setPointer(Pointer::Default);
    program_.onShow.setYearButtonIndex(index);
}

bool YearBrowser::cmdYR_KeyDown(int index, int keyCode) {
    switch (DecideYearKey(keyCode, yearPicked_)) {
        case YearKeyAction::PreviousPhoto:
            PreviousPhoto();
            return true;
        case YearKeyAction::NextPhoto:
            NextPhoto();
            return true;
        case YearKeyAction::Pick:
            // Taken here, so the button that had the focus is not left drawn pressed.
            cmdYR_Click(index);
            return true;
        case YearKeyAction::Nothing:
            break;
    }
    // Space once a year was picked presses the button, as it does any command button.
    return false;
}

void YearBrowser::Image4_MouseDown(Qt::MouseButton button) {
    Services& services = program_.services;
    if (button == Qt::RightButton) {
        // The screen saver's photo list keeps its photos in the store folder.
        try {
            services.fileSystem.makeFolder({program_.storeFolder(), "/ssvantrels/"});
        } catch (const FileSystemError&) {
            // It exists already, or cannot be made: the list says so when it is used.
        }
        if (photoRightClick_) {
            photoRightClick_();
        }
        return;
    }
    yearPicked_ = true;
    services.screen.setPointer(Pointer::Hourglass);
    rtbDetails_->hide();
    const PhotoClickAdvance advance =
        DecidePhotoClick(program_.onShow.caption(), program_.onShow.yearButtonIndex());
    if (advance.showBy == ShowBy::ChooseYear) {
        Image4_->clear();
        ChooseYear(advance.caption);
    } else {
        ShowDetailsTopic(advance.caption);
    }
    if (advance.focusButton == 1) {
        cmdYR_[1]->setEnabled(true);
    }
    FocusYearButton(advance.focusButton);
    ResetPhotoSteps();
    services.screen.setPointer(Pointer::Default);
    program_.onShow.setYearButtonIndex(advance.next);
}

void YearBrowser::Form_Click() {
    if (!program_.startupPending) {
        return;
    }
    Services& services = program_.services;
    program_.startupPending = false;
    services.screen.setPointer(Pointer::Hourglass);
    Image4_->clear();
    cmdYR_[2]->setEnabled(true);
    FocusYearButton(2);
    ChooseYear("1964");
    // 1964 is on show: its button stays off until the next pick enables it again.
    cmdYR_[1]->setEnabled(false);
    FocusYearButton(2);
    ResetPhotoSteps();
    services.screen.setPointer(Pointer::Default);
    program_.onShow.setYearButtonIndex(1);
}

void YearBrowser::Form_LostFocus() {
    if (!program_.slideShowDirty) {
        return;
    }
    if (!program_.onShow.nothingChosen()) {
        Image4_->show();
    }
    SetTopicButtons();
}

void YearBrowser::Command1_Click() {
    program_.BuildPhotoList();
}

void YearBrowser::ShowDetailsTopic(const std::string& caption) {
    Services& services = program_.services;
    services.screen.setPointer(Pointer::Hourglass);
    Image4_->clear();
    ChooseYear(caption);
    ResetPhotoSteps();
    services.screen.setPointer(Pointer::Default);
    cmdStats_->setText(QStringLiteral("Details"));
    TopicButtonStates off;
    off.options = off.colors = off.script = off.emblem = off.ad = off.nostalgia = Switch::Off;
    program_.onShow.applyTopicButtons(off);
    rtbDetails_->hide();
    program_.onShow.setYearButtonIndex(0);
    cmdYR_[1]->setEnabled(true);
    FocusYearButton(1);
}

void YearBrowser::mnuArt_Click(int index) {
    if (const TopicEntry* entry = FindTopicEntry("mnuArt", index)) {
        ShowDetailsTopic(std::string(entry->caption));
    }
}

void YearBrowser::mnuStuff_Click(int index) {
    if (const TopicEntry* entry = FindTopicEntry("mnuStuff", index)) {
        program_.services.screen.setPointer(Pointer::Hourglass);
        Image4_->clear();
        ShowDetailsTopic(std::string(entry->caption));
    }
}

void YearBrowser::mnuSpecialty_Click(int index) {
    const TopicEntry* entry = FindTopicEntry("mnuSpecialty", index);
    if (entry == nullptr) {
        return;
    }
    Services& services = program_.services;
    services.screen.setPointer(Pointer::Hourglass);
    Image4_->clear();
    ChooseYear(std::string(entry->caption));
    ResetPhotoSteps();
    services.screen.setPointer(Pointer::Default);
    program_.onShow.setYearButtonIndex(0);
    cmdYR_[1]->setEnabled(true);
    FocusYearButton(1);
}

void YearBrowser::SetTopicButtons() {
    OnShow& onShow = program_.onShow;
    const TopicButtonsDecision decision = DecideTopicButtons(onShow.caption());
    program_.slideShowDirty = false;
    mainWindow_.widget()->setEnabled(true);
    if (decision.showPhotoControls) {
        SpinButton1_->show();
        panPhoto_->show();
        panYear_->show();
    }
    onShow.applyTopicButtons(decision.buttons);
    if (decision.enableYearButtons) {
        for (int index = 1; index <= 36; ++index) {
            cmdYR_[index]->setEnabled(true);
        }
    }
    // The picture boxes follow the new caption; the slide show and the viewer close.
    onShow.refreshed();
}

bool YearBrowser::ShowHandedBackPhoto(const HandBack& handBack) {
    const int k = handBack.photo;
    try {
        LoadPicture(k);
    } catch (const PhotoLoadError&) {
        return false;
    }
    OnShow& onShow = program_.onShow;
    Image4_->show();
    // The Details text of the photo before would lie over this one.
    rtbDetails_->hide();
    onShow.setPhotoPath(handBack.currentPhotoPath);
    onShow.setPhotoNumber(program_.photos.number(k));
    onShow.setCaption(handBack.yearCaption);
    panYear_->show();
    txtFile_->setText(QString::fromStdString(handBack.fileName));
    PrefetchAround(k);
    SetTopicButtons();

    cmdStats_->setText(QString::fromStdString(handBack.statsCaption));
    TopicButtonStates change;
    if (handBack.disableYearButtons) {
        change.options = change.colors = change.script = change.emblem = change.ad =
            change.nostalgia = Switch::Off;
    }
    if (handBack.enableDesc) {
        change.desc = Switch::On;
    }
    onShow.applyTopicButtons(change);
    onShow.setYearButtonIndex(handBack.yearButtonIndex);
    onShow.setYearCode(handBack.yearCode);
    FocusYearButton(handBack.focusButton);
    onShow.steps = handBack.stepsAfter(onShow.steps);
    return true;
}

void YearBrowser::ChooseYear(const std::string& caption) {
    OnShow& onShow = program_.onShow;
    mainWindow_.menuEntry("mnuNames")->setEnabled(true);
    rtbDetails_->hide();
    onShow.steps.firstPhotoOnShow = true;
    onShow.setCaption(caption);

    const ChooseYearDecision decision = DecideChooseYear(caption, program_.photos);
    SetTopicButtons();
    cmdStats_->setText(QString::fromStdString(decision.statsCaption));
    onShow.setYearCode(decision.yearCode);
    onShow.steps.photoIndex = decision.photoIndex;
    if (decision.photoFound) {
        ShowFirstPhoto(decision.photoIndex);
    } else {
        program_.ShowError("ER023", ErrorSource::Lookup);
        Image4_->clear();
        Image4_->hide();
        // No photo is on show, whatever was shown before.
        onShow.setPhotoPath({});
    }
    onShow.steps.lastPhotoIndex = onShow.steps.photoIndex;
}

void YearBrowser::ShowFirstPhoto(int index) {
    program_.onShow.setPhotoPath(program_.photos.path(index));
    try {
        LoadPicture(index);
        Image4_->show();
        PrefetchAround(index);
    } catch (const PhotoLoadError&) {
        program_.ShowError("ER023", ErrorSource::Trap);
        Image4_->clear();
        Image4_->hide();
        program_.onShow.setPhotoPath({});
    }
}

}  // namespace velocarta
