#include "screensaver/frm_ss_photo.h"

#include <QCloseEvent>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>

#include "mediastore/block_copy.h"
#include "program/controls.h"
#include "program/gauge.h"
#include "program/main_window.h"
#include "program/program.h"
#include "program/title_picture.h"
#include "screensaver/screen_saver_rules.h"

namespace velocarta {

namespace {

// The window's size in twips: the gauge and the buttons in one column under the picture.
constexpr int kWidthTwips = 4095;
constexpr int kHeightTwips = 5400;

QPushButton* Button(QWidget* parent, const char* name, const char* caption, const Rect& twips) {
    QPushButton* button =
        MakeCommandButton(parent, QString::fromLatin1(name), QString::fromLatin1(caption));
    button->setGeometry(PixelsOfTwips(twips));
    return button;
}

}  // namespace

frmSSPhoto::frmSSPhoto(Program& program, MainWindow& mainWindow, std::function<void()> unload)
    : QWidget(nullptr, Qt::Window),
      program_(program),
      mainWindow_(mainWindow),
      unload_(std::move(unload)) {
    setObjectName(QStringLiteral("frmSSPhoto"));
    setWindowTitle(QStringLiteral("The Vantrel Velocarta 2000"));
    const QRect size = PixelsOfTwips({0, 0, kWidthTwips, kHeightTwips});
    setFixedSize(size.width(), size.height());
    BuildControls();
}

void frmSSPhoto::BuildControls() {
    Picture1_ = new QLabel(this);
    Picture1_->setObjectName(QStringLiteral("Picture1"));
    Picture1_->setAccessibleDescription(QStringLiteral("The Vantrel Velocarta 2000"));
    Picture1_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture1_->setGeometry(PixelsOfTwips({240, 240, 3615, 2160}));
    Picture1_->setPixmap(QPixmap::fromImage(TitlePicture(Picture1_->contentsRect().size())));

    Text4_ = new QLabel(QStringLiteral("Screen Saver Photo Selection"), this);
    Text4_->setObjectName(QStringLiteral("Text4"));
    Text4_->setAlignment(Qt::AlignCenter);
    QFont heading = Text4_->font();
    heading.setBold(true);
    Text4_->setFont(heading);
    Text4_->setGeometry(PixelsOfTwips({240, 2460, 3615, 360}));

    ProgressGuage_ =
        new Gauge(this, QStringLiteral("ProgressGuage"), QStringLiteral("Copy progress"));
    ProgressGuage_->setGeometry(PixelsOfTwips({240, 2880, 3615, 375}));

    SSCommand7_ = Button(this, "SSCommand7", "Add this photo to list", {240, 3360, 3615, 375});
    SSCommand8_ = Button(this, "SSCommand8", "Remove this photo from list", {240, 3720, 3615, 375});
    SSCommand2_ =
        Button(this, "SSCommand2", "Remove all photos from the list", {240, 4080, 3615, 375});
    SSCommand3_ =
        Button(this, "SSCommand3", "Copy this photo to Clipboard", {240, 4440, 3615, 375});
    SSCommand1_ = Button(this, "SSCommand1", "Help", {240, 4800, 1815, 375});
    SSCommand9_ = Button(this, "SSCommand9", "Exit", {2040, 4800, 1815, 375});

    connect(SSCommand7_, &QPushButton::clicked, this, &frmSSPhoto::SSCommand7_Click);
    connect(SSCommand8_, &QPushButton::clicked, this, &frmSSPhoto::SSCommand8_Click);
    connect(SSCommand2_, &QPushButton::clicked, this, &frmSSPhoto::SSCommand2_Click);
    connect(SSCommand3_, &QPushButton::clicked, this, &frmSSPhoto::SSCommand3_Click);
    connect(SSCommand1_, &QPushButton::clicked, this, &frmSSPhoto::SSCommand1_Click);
    connect(SSCommand9_, &QPushButton::clicked, this, &frmSSPhoto::SSCommand9_Click);
}

void frmSSPhoto::Form_Load() {
    SyncScreenSaverButtons();
    program_.services.windowOrder.setAlwaysOnTop(*this, TopMode::Topmost);
}

std::optional<ContentFile> frmSSPhoto::Target() const {
    return ScreenSaverTarget(program_.storeFolder(), program_.onShow.photoPath());
}

void frmSSPhoto::SetAddRemove(bool add, bool remove) {
    SSCommand7_->setEnabled(add);
    SSCommand8_->setEnabled(remove);
}

void frmSSPhoto::SyncScreenSaverButtons() {
    const auto target = Target();
    const bool inSelection = target && program_.services.fileSystem.resolve(*target).has_value();
    const PhotoListButtons buttons = DecidePhotoListButtons(target.has_value(), inSelection);
    SetAddRemove(buttons.add, buttons.remove);
    SSCommand3_->setEnabled(target.has_value());
    SSCommand2_->setEnabled(!removeAllUsed_);
}

void frmSSPhoto::SSCommand7_Click() {
    Services& services = program_.services;
    const auto source = PhotoOnShowFile(program_.onShow.photoPath());
    const auto target = Target();
    if (!source || !target) {
        return;
    }
    services.screen.setPointer(Pointer::Hourglass);
    try {
        // The folder is made when the list opens; it may have gone since.
        services.fileSystem.makeFolder({target->root, std::string(kSelectionFolder)});
    } catch (const FileSystemError&) {
        // It is there already, or the copy says why it cannot be made.
    }
    const FileCopyOutcome outcome = CopyFileWithGauge(program_, *source, *target, *ProgressGuage_);
    services.screen.setPointer(Pointer::Default);
    if (outcome.kind == FileCopyOutcome::Kind::Cancelled) {
        return;  // the program is ending
    }
    if (outcome.kind != FileCopyOutcome::Kind::Copied) {
        services.prompter.ask(PhotoNotAddedMessage(outcome.failure));
        SyncScreenSaverButtons();
        return;
    }
    ProgressGuage_->setFloodPercent(100);
    services.prompter.ask(PhotoAddedMessage());
    SetAddRemove(false, true);
}

void frmSSPhoto::SSCommand8_Click() {
    Services& services = program_.services;
    const auto target = Target();
    if (!target) {
        return;
    }
    services.screen.setPointer(Pointer::Hourglass);
    const auto path = services.fileSystem.resolve(*target);
    const bool removed = path && services.fileCopier.remove(*path);
    services.screen.setPointer(Pointer::Default);
    if (!removed) {
        services.prompter.ask(PhotoNotRemovedMessage("Cannot delete " + target->full()));
        SyncScreenSaverButtons();
        return;
    }
    services.prompter.ask(PhotoRemovedMessage());
    SetAddRemove(true, false);
    ProgressGuage_->setFloodPercent(0);
}

void frmSSPhoto::SSCommand2_Click() {
    Services& services = program_.services;
    if (services.prompter.ask(RemoveAllQuestion()) != Answer::Yes) {
        return;
    }
    services.screen.setPointer(Pointer::Hourglass);
    try {
        services.fileSystem.removeMatching(
            {program_.storeFolder(), std::string(kSelectionPattern)});
    } catch (const FileSystemError&) {
        // Nothing to remove, or nothing that could be: the list is as empty as it gets.
    }
    services.screen.setPointer(Pointer::Default);
    services.prompter.ask(AllPhotosRemovedMessage());
    removeAllUsed_ = true;
    SyncScreenSaverButtons();
    ProgressGuage_->setFloodPercent(0);
}

void frmSSPhoto::SSCommand3_Click() {
    Services& services = program_.services;
    if (services.prompter.ask(PhotoClipboardQuestion()) != Answer::Yes) {
        return;
    }
    services.clipboard.clear();
    const auto photo = PhotoOnShowFile(program_.onShow.photoPath());
    const auto path = photo ? services.fileSystem.resolve(*photo) : std::nullopt;
    if (!path) {
        services.prompter.ask(
            PhotoNotOnClipboardMessage("Cannot find " + program_.onShow.photoPath()));
        return;
    }
    QImageReader reader(QString::fromStdString(*path));
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    if (image.isNull()) {
        services.prompter.ask(PhotoNotOnClipboardMessage(reader.errorString().toStdString()));
        return;
    }
    services.clipboard.setImage(image);
}

void frmSSPhoto::SSCommand1_Click() {
    program_.services.prompter.ask(PhotoListHelpMessage());
}

void frmSSPhoto::SSCommand9_Click() {
    program_.services.windowOrder.setAlwaysOnTop(*this, TopMode::NotTopmost);
    close();
}

void frmSSPhoto::closeEvent(QCloseEvent* event) {
    event->accept();
    Form_Unload();
}

void frmSSPhoto::Form_Unload() {
    mainWindow_.widget()->setEnabled(true);
    if (unload_) {
        unload_();
    }
}

}  // namespace velocarta
