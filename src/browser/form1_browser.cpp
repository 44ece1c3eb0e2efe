// The year selector and the photo steps of the main window.
#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextBrowser>

#include "browser/photo_cache.h"
#include "browser/photo_stepping.h"
#include "browser/photo_view.h"
#include "browser/spin_button.h"
#include "browser/year_selector.h"
#include "content/errors.h"
#include "content/module1.h"
#include "content/naming.h"
#include "shell/form1.h"

namespace velocarta {

namespace {

// The key codes the year buttons react to, as the program has always numbered them.
int KeyCodeOf(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Comma:
            return kKeyComma;
        case Qt::Key_Period:
            return kKeyPeriod;
        case Qt::Key_Space:
            return kKeySpace;
        default:
            return event.key() & 0xffff;
    }
}

}  // namespace

void Form1::connectBrowser() {
    photoCache_ = std::make_unique<PhotoCache>(module_.services.fileSystem);
    for (int index = 1; index <= 37; ++index) {
        connect(cmdYR[index], &QPushButton::clicked, this, [this, index] { cmdYR_Click(index); });
        cmdYR[index]->installEventFilter(this);
    }
    connect(Image4, &PhotoView::pressed, this, &Form1::Image4_MouseDown);
    connect(SpinButton1, &SpinButton::spinUp, this, &Form1::NextPhoto);
    connect(SpinButton1, &SpinButton::spinDown, this, &Form1::PreviousPhoto);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    txtFile->installEventFilter(this);
    centralWidget()->installEventFilter(this);
    surface->installEventFilter(this);
    onMenu("mnuNames", [this](int) { mnuNames_Click(); });
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        for (int index = 1; index <= 37; ++index) {
            if (watched == cmdYR[index]) {
                const auto* key = static_cast<QKeyEvent*>(event);
                const int code = KeyCodeOf(*key);
                cmdYR_KeyDown(index, code, static_cast<int>(key->modifiers()));
                // Space still presses the button, as a click would.
                return code == kKeyComma || code == kKeyPeriod;
            }
        }
    }
    if (event->type() == QEvent::MouseButtonPress && watched == txtFile) {
        txtFile_Click();
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress && watched == rtbDetails->viewport()) {
        rtbDetails_Click();
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease &&
        (watched == centralWidget() || watched == surface)) {
        Form_Click();
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
        Form_LostFocus();
    }
}

QSize Form1::PhotoTargetSize() const {
    return Image4->size() * Image4->devicePixelRatioF();
}

void Form1::LoadPicture(const ContentFile& photo) {
    Image4->setImage(photoCache_->load(photo, PhotoTargetSize()));
}

void Form1::PrefetchAround(int k) {
    const ProgramState& state = module_.state;
    const PhotoCatalogue& photos = state.photos;
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

bool Form1::DisplayEntry(int k) {
    ProgramState& state = module_.state;
    try {
        LoadPicture(state.photos.file(k));
    } catch (const PhotoLoadError&) {
        return false;
    }
    panPhoto->setText(QString::number(state.photos.number(k)));
    if (state.showFileNames) {
        txtFile->setText(QString::fromStdString(state.photos.fileName(k).substr(0, 12)));
    }
    state.currentPhotoPath = state.photos.path(k);
    PrefetchAround(k);
    return true;
}

void Form1::ResetPhotoSteps() {
    StepState& steps = module_.state.steps;
    steps.photoIndex = 0;
    panPhoto->setText(QStringLiteral("1"));
    steps.steppedForward = false;
    steps.steppedBack = false;
}

void Form1::cmdYR_Click(int index) {
    ProgramState& state = module_.state;
    state.yearPicked = true;
    module_.services.screen.setPointer(Pointer::Hourglass);
    rtbDetails->hide();
    Image4->clear();
    panYear->setText(QString::fromStdString(YearOfButton(index)));
    module_.ChooseYear();
    FocusYearButton(NextYearButton(index));
    ResetPhotoSteps();
    module_.services.screen.setPointer(Pointer::Default);
    state.yearButtonIndex = index;
}

void Form1::cmdYR_KeyDown(int index, int keyCode, int /*shift*/) {
    switch (DecideYearKey(keyCode, module_.state.yearPicked)) {
        case YearKeyAction::PreviousPhoto:
            PreviousPhoto();
            break;
        case YearKeyAction::NextPhoto:
            NextPhoto();
            break;
        case YearKeyAction::Pick:
            cmdYR_Click(index);
            break;
        case YearKeyAction::Nothing:
            break;
    }
}

void Form1::Image4_MouseDown(Qt::MouseButton button) {
    ProgramState& state = module_.state;
    if (button == Qt::RightButton) {
        // The screen saver's photo list keeps its photos in the program folder.
        try {
            module_.services.fileSystem.makeFolder({state.programFolder, "/ssvantrels/"});
        } catch (const FileSystemError&) {
            // It exists already, or cannot be made: the list says so when it is used.
        }
        return;
    }
    state.yearPicked = true;
    module_.services.screen.setPointer(Pointer::Hourglass);
    rtbDetails->hide();
    const PhotoClickAdvance advance =
        DecidePhotoClick(panYear->text().toStdString(), state.yearButtonIndex);
    panYear->setText(QString::fromStdString(advance.caption));
    if (advance.showBy == ShowBy::ChooseYear) {
        Image4->clear();
        module_.ChooseYear();
    } else {
        ShowDetailsTopic();
    }
    if (advance.focusButton == 1) {
        cmdYR[1]->setEnabled(true);
    }
    FocusYearButton(advance.focusButton);
    ResetPhotoSteps();
    module_.services.screen.setPointer(Pointer::Default);
    state.yearButtonIndex = advance.next;
}

void Form1::Form_Click() {
    ProgramState& state = module_.state;
    if (!state.startupPending) {
        return;
    }
    state.startupPending = false;
    module_.services.screen.setPointer(Pointer::Hourglass);
    Image4->clear();
    cmdYR[2]->setEnabled(true);
    FocusYearButton(2);
    panYear->setText(QStringLiteral("1964"));
    module_.ChooseYear();
    // 1964 is on show: its button stays off until the next pick enables it again.
    cmdYR[1]->setEnabled(false);
    FocusYearButton(2);
    ResetPhotoSteps();
    module_.services.screen.setPointer(Pointer::Default);
    state.yearButtonIndex = 1;
}

void Form1::Form_LostFocus() {
    if (!module_.state.slideShowDirty) {
        return;
    }
    if (module_.YearCaption() != kNothingChosen) {
        Image4->show();
    }
    module_.SetTopicButtons();
}

void Form1::Command1_Click() {
    module_.BuildPhotoList();
}

void Form1::ShowDetailsTopic() {
    ProgramState& state = module_.state;
    module_.services.screen.setPointer(Pointer::Hourglass);
    Image4->clear();
    module_.ChooseYear();
    ResetPhotoSteps();
    module_.services.screen.setPointer(Pointer::Default);
    cmdStats->setText(QStringLiteral("Details"));
    for (QPushButton* button : {cmdOptions, cmdColors, cmdScript, cmdEmblem, cmdAd, cmdNostalgia}) {
        button->setEnabled(false);
    }
    rtbDetails->hide();
    state.yearButtonIndex = 0;
    cmdYR[1]->setEnabled(true);
    FocusYearButton(1);
}

void Form1::ApplyStepFocus(bool topicFocus, int focusButton) {
    if (topicFocus) {
        cmdYR[1]->setEnabled(true);
    }
    FocusYearButton(focusButton);
}

void Form1::LoadDetailsOf(int k) {
    ProgramState& state = module_.state;
    state.documentPath = PhotoDetailsDoc(state.photos.root(), state.photos.fileName(k));
    module_.LoadRichText(*rtbDetails, state.documentPath);
    const Rect place = DetailsBoxPlace(layout_);
    rtbDetails->move(place.left, place.top);
}

void Form1::LoadPhotoDetails() {
    LoadDetailsOf(module_.state.steps.photoIndex);
}

void Form1::LoadPhotoDetailsBehind() {
    LoadDetailsOf(module_.state.steps.photoIndex + 1);
}

void Form1::NextPhoto() {
    ProgramState& state = module_.state;
    ApplyStep(velocarta::NextPhoto(state.steps, state.photos, panYear->text().toStdString(),
                                   state.yearCode, [this](int k) { return DisplayEntry(k); }),
              /*backward=*/false);
}

void Form1::PreviousPhoto() {
    ProgramState& state = module_.state;
    ApplyStep(velocarta::PreviousPhoto(state.steps, state.photos, panYear->text().toStdString(),
                                       state.yearCode, [this](int k) { return DisplayEntry(k); }),
              /*backward=*/true);
}

void Form1::ApplyStep(const StepOutcome& outcome, bool backward) {
    // Each direction reports its failures with its own code.
    const char* errorCode = backward ? "ER011" : "ER012";
    switch (outcome.kind) {
        case StepOutcome::Kind::NothingPicked:
            ApplyStepFocus(true, 1);
            return;
        case StepOutcome::Kind::NoPhotos:
            return;
        case StepOutcome::Kind::Failed:
            module_.state.errorCode = errorCode;
            module_.ShowError(ErrorSource::Trap);
            if (!backward) {
                return;
            }
            break;  // a backward step still moves the focus and follows with the Details
        case StepOutcome::Kind::Shown:
            break;
    }
    ApplyStepFocus(outcome.topicFocus, outcome.focusButton);
    if (outcome.topicFocus && rtbDetails->isVisible()) {
        try {
            if (backward) {
                LoadPhotoDetailsBehind();
            } else {
                LoadPhotoDetails();
            }
        } catch (const std::exception&) {
            module_.state.errorCode = errorCode;
            module_.ShowError(ErrorSource::Trap);
        }
    }
}

void Form1::mnuNames_Click() {
    ProgramState& state = module_.state;
    QAction* entry = menuEntry("mnuNames");
    if (module_.YearCaption() == kNothingChosen) {
        return;
    }
    if (state.showFileNames) {
        entry->setText(QStringLiteral("Show File &Names"));
        state.showFileNames = false;
        txtFile->hide();
        return;
    }
    state.showFileNames = true;
    entry->setText(QStringLiteral("Hide File &Names"));
    txtFile->setText(QString::fromStdString(PhotoFileName(state.currentPhotoPath)));
    txtFile->show();
    txtFile->raise();
}

void Form1::txtFile_Click() {
    menuEntry("mnuNames")->setText(QStringLiteral("Show File &Names"));
    module_.state.showFileNames = false;
    txtFile->hide();
}

}  // namespace velocarta
