#include "slideshow/frm_slide.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "program/copy_active_control.h"
#include "program/key_codes.h"
#include "program/photo_cache.h"
#include "program/photo_view.h"
#include "program/program.h"
#include "program/spin_button.h"
#include "slideshow/slide_steps.h"

namespace velocarta {

namespace {

void SetPanel(QLabel* panel, const std::string& caption, bool visible) {
    const QString text = QString::fromStdString(caption);
    if (panel->text() != text) {
        panel->setText(text);
    }
    panel->setVisible(visible);
}

}  // namespace

frmSlide::frmSlide(Program& program, Callbacks callbacks)
    : QDialog(nullptr),
      program_(program),
      callbacks_(std::move(callbacks)),
      photoCache_(std::make_unique<PhotoCache>(program.services.fileSystem)) {
    setObjectName(QStringLiteral("frmSlide"));
    setWindowTitle(QStringLiteral("The Vantrel Velocarta Slide Show"));
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_DeleteOnClose, false);
    BuildControls();

    connect(SSCommand1_, &QPushButton::clicked, this, &frmSlide::SSCommand1_Click);
    connect(SSCommand2_, &QPushButton::clicked, this, &frmSlide::SSCommand2_Click);
    for (int i = 0; i < kBarButtons; ++i) {
        connect(bar_[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
                [this, i] { mmSlide_Click(static_cast<BarButton>(i)); });
    }
    connect(SpinInterval_, &SpinButton::spinUp, this, &frmSlide::SpinInterval_SpinUp);
    connect(SpinInterval_, &SpinButton::spinDown, this, &frmSlide::SpinInterval_SpinDown);
    connect(cmdExit_, &QPushButton::clicked, this, &frmSlide::cmdExit_Click);
    connect(Image1_, &PhotoView::pressed, this, &frmSlide::Image1_MouseDown);
    for (QLabel* panel : {panYear_, pnlPhotoNumber_, panInterval_, PnlCoStar_, StatusDate_,
                          StatusDay_, StatusTime_}) {
        panel->installEventFilter(this);
    }

    Timer3_.setSingleShot(true);
    connect(&Timer3_, &QTimer::timeout, this, &frmSlide::Timer3_Timer);
    Timer3_Timer();
}

frmSlide::~frmSlide() = default;

void frmSlide::Form_Load() {
    // RegisterHelp: the help file lies in the program's folder.
    const std::string& folder = program_.programFolder();
    const bool endsInSeparator = !folder.empty() && folder.back() == '/';
    program_.services.help.registerHelpFile(folder + (endsInSeparator ? "" : "/") +
                                            "vantrel2000.HLP");
}

bool frmSlide::CanShow(int k) {
    try {
        photoCache_->load(program_.photos.file(k), PhotoTargetSize());
        return true;
    } catch (const PhotoLoadError&) {
        return false;
    }
}

void frmSlide::OpenShow(int startIndex, bool playPressed) {
    Services& services = program_.services;
    playPressed_ = playPressed;
    show_ = std::make_unique<SlideShow>(
        program_.photos, static_cast<SlideShowView&>(*this),
        SlideShowServices{services.clock, services.slideTimer, services.screenSaver}, startIndex,
        playPressed);
    show_->open();
}

// The window side of the show.

bool frmSlide::showPicture(int k) {
    try {
        Image1_->setImage(photoCache_->load(program_.photos.file(k), PhotoTargetSize()));
    } catch (const PhotoLoadError&) {
        return false;
    }
    Image1_->show();
    // Stepping by hand, either neighbour may come next; playing, the show names the next.
    if (!show_ || !show_->playing()) {
        PrefetchAround(k);
    }
    return true;
}

void frmSlide::PrefetchAround(int k) {
    const PhotoCatalogue& photos = program_.photos;
    const int next = SlideForwardIndex(k, photos.count());
    const int previous = SlideBackwardIndex(k, photos.count());
    std::vector<ContentFile> neighbours{photos.file(next)};
    if (previous != next) {
        neighbours.push_back(photos.file(previous));
    }
    photoCache_->prefetch(photos.file(k), neighbours, PhotoTargetSize());
}

void frmSlide::upcoming(int k) {
    const PhotoCatalogue& photos = program_.photos;
    if (k < 1 || k > photos.count()) {
        return;
    }
    const int onShow = show_ ? show_->screen().picture : 0;
    photoCache_->prefetch(photos.file(onShow >= 1 ? onShow : k), {photos.file(k)},
                          PhotoTargetSize());
}

void frmSlide::render(const SlideScreen& screen) {
    SetPanel(panYear_, screen.yearCaption, screen.yearCaptionVisible);
    SetPanel(pnlPhotoNumber_, screen.counter, screen.counterVisible);
    SetPanel(panInterval_, screen.delayCaption, true);
    const SlideControls& on = screen.enabled;
    const bool enabled[kBarButtons] = {on.bkwd,     on.fwd,     on.play, on.pause,
                                       on.jumpBkwd, on.jumpFwd, on.exit};
    for (int i = 0; i < kBarButtons; ++i) {
        bar_[static_cast<std::size_t>(i)]->setEnabled(enabled[i]);
    }
    SSCommand1_->setEnabled(on.beginning);
    SSCommand2_->setEnabled(on.middle);
    SpinInterval_->setEnabled(on.spin);
    playPressed_ = screen.playPressed;
    // PhotoIndex and PhotoDelay are the program's own: the main window's steps continue
    // from the index, and the screen saver's panel shows the delay.
    program_.onShow.steps.photoIndex = screen.photoIndex;
    program_.photoDelay = screen.photoDelay;
}

void frmSlide::reportError(std::string_view code) {
    program_.ShowError(code, ErrorSource::Trap);
}

// The controls.

void frmSlide::Act(const std::function<void(SlideShow&)>& action) {
    if (show_) {
        action(*show_);
    }
    FocusBeginning();
}

void frmSlide::FocusBeginning() {
    if (SSCommand1_->isEnabled()) {
        SSCommand1_->setFocus(Qt::OtherFocusReason);
    }
}

void frmSlide::mmSlide_Click(BarButton button) {
    switch (button) {
        case Bkwd:
            return Act([](SlideShow& show) { show.backward(); });
        case Fwd:
            return Act([](SlideShow& show) { show.forward(); });
        case Play:
            return Act([](SlideShow& show) { show.play(); });
        case Pause:
            return Act([](SlideShow& show) { show.pause(); });
        case JumpBkwd:
            return Act([](SlideShow& show) { show.jumpBackward(); });
        case JumpFwd:
            return Act([](SlideShow& show) { show.jumpForward(); });
        case Exit:
            if (show_ && !show_->left()) {
                const HandBack handBack = show_->exitToMainWindow(program_.onShow.caption());
                callbacks_.handBack(handBack);
            }
            return;
        case kBarButtons:
            return;
    }
}

void frmSlide::SSCommand1_Click() {
    Act([](SlideShow& show) { show.beginning(); });
}

void frmSlide::SSCommand2_Click() {
    Act([](SlideShow& show) { show.middle(); });
}

void frmSlide::SpinInterval_SpinUp() {
    Act([](SlideShow& show) { show.spin(SpinDirection::Up); });
}

void frmSlide::SpinInterval_SpinDown() {
    Act([](SlideShow& show) { show.spin(SpinDirection::Down); });
}

void frmSlide::cmdExit_Click() {
    close();
}

void frmSlide::Image1_Click() {
    if (!playPressed_) {
        FocusBeginning();
    }
}

void frmSlide::Image1_MouseDown(Qt::MouseButton button) {
    if (button == Qt::RightButton) {
        // The copy offer, for a photo on show.
        if (Image1_->hasImage()) {
            CopyActiveControl(program_, *Image1_, true);
        }
        return;
    }
    Image1_Click();
}

void frmSlide::Form_Paint() {
    if (!playPressed_) {
        FocusBeginning();
    }
}

void frmSlide::keyPressEvent(QKeyEvent* event) {
    // Keys no control took: the comma and the period step as Bkwd and Fwd do.
    if (show_ && show_->key(KeyCodeOf(*event))) {
        FocusBeginning();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmSlide::reject() {
    close();
}

void frmSlide::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Form_Paint();
}

void frmSlide::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        Form_Paint();
    }
}

bool frmSlide::eventFilter(QObject* watched, QEvent* event) {
    // A click on a panel gives the focus back to Beginning.
    if (event->type() == QEvent::MouseButtonPress && qobject_cast<QLabel*>(watched) != nullptr) {
        FocusBeginning();
    }
    return QDialog::eventFilter(watched, event);
}

// Closing.

void frmSlide::closeEvent(QCloseEvent* event) {
    Form_QueryUnload(event);
    if (event->isAccepted()) {
        Form_Unload();
    }
}

void frmSlide::Form_QueryUnload(QCloseEvent* event) {
    event->accept();
    if (unloaded_ || program_.ended() || callbacks_.slideShowActive()) {
        return;
    }
    if (const std::optional<Message> question = SlideCloseQuestion(false)) {
        if (!SlideCloseConfirmed(program_.services.prompter.ask(*question))) {
            event->ignore();
        }
    }
}

void frmSlide::Form_Unload() {
    if (unloaded_) {
        return;
    }
    unloaded_ = true;
    Timer3_.stop();
    // QuitHelp.
    program_.services.help.quit();
    SlideShowClosing closing;
    if (show_) {
        closing = show_->close();
    } else {
        closing.playPressed = playPressed_;
    }
    callbacks_.closed(closing);
}

}  // namespace velocarta
