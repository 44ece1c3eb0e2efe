#include "mediastore/media_store_panel.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <utility>

#include "content/catalogue.h"
#include "mediastore/busy_main_window.h"
#include "mediastore/copy_picture.h"
#include "mediastore/free_space.h"
#include "mediastore/media_copy.h"
#include "program/controls.h"
#include "program/gauge.h"
#include "program/program.h"

namespace velocarta {

namespace {

// The panel and its controls in twips, relative to the panel.
constexpr Rect kPanel{0, 0, 7215, 4935};
constexpr Rect kLabel2{1560, 240, 4695, 375};
constexpr Rect kLabel1{240, 600, 1215, 255};
constexpr Rect kText1{1440, 600, 5415, 255};
constexpr Rect kFileGauge{360, 960, 6495, 375};
constexpr Rect kPicture{360, 1440, 6495, 2280};
constexpr Rect kOverallGauge{360, 3840, 6495, 375};
constexpr Rect kCopyButton{360, 4320, 3255, 375};
constexpr Rect kCancelButton{3600, 4320, 3255, 375};
// The panel's top lies this far below the top of the Description button.
constexpr int kBelowDescription = 60;

// How long the copy waits to look again while a message box is open.
constexpr int kWhileABoxIsOpenMs = 50;
// How long the copy works before the window gets to handle its events and paint the
// gauges again. Every step of the copy is short, but a small photo takes three of them (open,
// blocks, tail); showing each would cost more than copying it.
constexpr std::chrono::milliseconds kSliceTime{20};

// Steps that only move the gauges; the others need the window at once.
bool OnlyProgress(const CopyEvent& event) {
    return event.kind == CopyEvent::Kind::FileStarted ||
           event.kind == CopyEvent::Kind::BlocksCopied || event.kind == CopyEvent::Kind::FileCopied;
}

void SetGauge(Gauge& gauge, int percent) {
    gauge.setFloodPercent(percent);
    gauge.setCaption(QString::number(gauge.floodPercent()));
}

}  // namespace

MediaStorePanel::MediaStorePanel(Program& program, MainWindow& mainWindow)
    : program_(program), mainWindow_(mainWindow) {
    BuildControls(mainWindow.surface());
    stepTimer_ = new QTimer(this);
    stepTimer_->setInterval(0);
    connect(stepTimer_, &QTimer::timeout, this, [this] { CopyStep(); });
    connect(cmdCopy_, &QPushButton::clicked, this, [this] { cmdCopy_Click(); });
    connect(cmdCancel_, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    mainWindow.onMenu("mnuCopy", [this](int) { mnuCopy_Click(); });
    mainWindow.onMenu("mnuCopyMovies", [this](int) { mnuCopyMovies_Click(); });
    mainWindow.onMenu("mnuRemove", [this](int) { mnuRemove_Click(); });
    mainWindow.onMenu("mnuRemoveMovies", [this](int) { mnuRemoveMovies_Click(); });
}

MediaStorePanel::~MediaStorePanel() {
    stepTimer_->stop();
    // A copy still running is cancelled: the hard disk is left as it was.
    copy_.reset();
    busy_.reset();
    delete pnlProgress_;
}

void MediaStorePanel::BuildControls(QWidget* surface) {
    pnlProgress_ = new QFrame(surface);
    pnlProgress_->setObjectName(QStringLiteral("pnlProgress"));
    pnlProgress_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pnlProgress_->setLineWidth(2);
    pnlProgress_->setAutoFillBackground(true);
    pnlProgress_->setAccessibleName(QStringLiteral("Copy to hard drive"));

    Label2_ = new QLabel(QStringLiteral("Copy photos from CD-ROM to hard drive"), pnlProgress_);
    Label2_->setObjectName(QStringLiteral("Label2"));
    QFont heading = Label2_->font();
    heading.setBold(true);
    Label2_->setFont(heading);
    Label1_ = new QLabel(QStringLiteral("Copying file:"), pnlProgress_);
    Label1_->setObjectName(QStringLiteral("Label1"));
    Text1_ = new QLineEdit(pnlProgress_);
    Text1_->setObjectName(QStringLiteral("Text1"));
    Text1_->setReadOnly(true);
    Text1_->setAccessibleName(QStringLiteral("Copying file:"));
    Label1_->setBuddy(Text1_);

    ProgressGuage_ = new Gauge(pnlProgress_, QStringLiteral("ProgressGuage"),
                               QStringLiteral("Progress of the file"));
    ProgressGuage2_ = new Gauge(pnlProgress_, QStringLiteral("ProgressGuage2"),
                                QStringLiteral("Progress of the whole copy"));
    Image1_ = new QLabel(pnlProgress_);
    Image1_->setObjectName(QStringLiteral("Image1"));
    Image1_->setAlignment(Qt::AlignCenter);
    Image1_->setAccessibleDescription(QStringLiteral("A disc, an arrow and a hard drive"));
    cmdCopy_ =
        MakeCommandButton(pnlProgress_, QStringLiteral("cmdCopy"), QStringLiteral("Copy Photos"));
    cmdCancel_ =
        MakeCommandButton(pnlProgress_, QStringLiteral("cmdCancel"), QStringLiteral("Cancel"));

    const std::pair<QWidget*, Rect> places[] = {
        {Label2_, kLabel2},           {Label1_, kLabel1},         {Text1_, kText1},
        {ProgressGuage_, kFileGauge}, {Image1_, kPicture},        {ProgressGuage2_, kOverallGauge},
        {cmdCopy_, kCopyButton},      {cmdCancel_, kCancelButton}};
    for (const auto& [control, place] : places) {
        control->setGeometry(PixelsOfTwips(place));
    }
    Image1_->setPixmap(DiscToHardDrivePicture(Image1_->size()));
    pnlProgress_->hide();
}

void MediaStorePanel::applyLayout(const MainLayout& layout) {
    // Across the middle of the photo, just under the top of the topic buttons.
    const QSize size = PixelsOfTwips(kPanel).size();
    pnlProgress_->setGeometry(layout.image4.left + (layout.image4.width - size.width()) / 2,
                              layout.desc.top + kBelowDescription / kTwipsPerPixel, size.width(),
                              size.height());
}

void MediaStorePanel::OfferPhotoCopy(std::function<void(bool copied)> done) {
    if (copy_) {
        // A copy is running already; its own caller hears of its end.
        done(false);
        return;
    }
    copyKind_ = CopyKind::Photos;
    if (PrepareCopyPanel()) {
        offerDone_ = std::move(done);
    } else {
        done(false);
    }
}

void MediaStorePanel::mnuCopy_Click() {
    copyKind_ = CopyKind::Photos;
    PrepareCopyPanel();
}

void MediaStorePanel::mnuCopyMovies_Click() {
    copyKind_ = CopyKind::Movies;
    PrepareCopyPanel();
}

bool MediaStorePanel::PrepareCopyPanel() {
    if (copy_) {
        return false;
    }
    // Whoever offered the panel before hears that it is taken over.
    if (auto done = std::exchange(offerDone_, nullptr)) {
        done(false);
    }
    Services& services = program_.services;
    const CopyPanelSetup setup =
        velocarta::PrepareCopyPanel(copyKind_, services.diskSpace, program_.storeFolder());
    Label2_->setText(QString::fromStdString(setup.heading));
    cmdCopy_->setText(QString::fromStdString(setup.copyButton));
    for (const Message& message : setup.messages) {
        services.prompter.ask(message);
    }
    if (!setup.showPanel) {
        pnlProgress_->hide();
        return false;
    }
    SetGauge(*ProgressGuage_, 0);
    SetGauge(*ProgressGuage2_, 0);
    Text1_->clear();
    pnlProgress_->show();
    pnlProgress_->raise();
    cmdCopy_->setEnabled(true);
    cmdCancel_->setEnabled(true);
    cmdCancel_->setFocus();
    return true;
}

void MediaStorePanel::cmdCancel_Click() {
    if (copy_) {
        // The next step ends the copy and takes back what it wrote.
        copy_->cancel();
        return;
    }
    ClosePanel(false);
}

void MediaStorePanel::cmdCopy_Click() {
    if (copy_) {
        return;
    }
    Services& services = program_.services;
    cmdCopy_->setEnabled(false);
    cmdCancel_->setEnabled(false);
    auto copy = std::make_unique<MediaCopy>(copyKind_,
                                            CopyRoots{program_.contentPath, program_.storeFolder()},
                                            services.fileSystem, services.fileCopier);
    if (!ConfirmTargetFolder(*copy)) {
        ClosePanel(false);
        return;
    }
    services.screen.setPointer(Pointer::Hourglass);
    busy_ = std::make_unique<BusyMainWindow>(mainWindow_, pnlProgress_);
    const bool planned =
        copyKind_ == CopyKind::Photos ? CopyAllPhotos(*copy) : CopyAllMovies(*copy);
    copy_ = std::move(copy);
    if (!planned) {
        copy_->cancel();
    }
    // Unlike the rest of the window, Cancel answers throughout the copy.
    cmdCancel_->setEnabled(true);
    cmdCancel_->setFocus();
    stepTimer_->setInterval(0);
    stepTimer_->start();
}

bool MediaStorePanel::ConfirmTargetFolder(MediaCopy& copy) {
    const TargetFolderCheck check = copy.confirmTargetFolder();
    switch (check.kind) {
        case TargetFolderCheck::Kind::Created:
            return true;
        case TargetFolderCheck::Kind::AlreadyThere:
            return !CopyDeclined(program_.services.prompter.ask(check.message));
        case TargetFolderCheck::Kind::Failed:
            break;
    }
    program_.services.prompter.ask(check.message);
    return false;
}

namespace {

ListingFailureHandler RetryOrGiveUp(Program& program) {
    return [&program](const FileSystemError&) {
        return program.ShowError("ER037", ErrorSource::Trap) == ErrorOutcome::Retry
                   ? RetryChoice::Retry
                   : RetryChoice::GiveUp;
    };
}

}  // namespace

bool MediaStorePanel::CopyAllPhotos(MediaCopy& copy) {
    // The files to copy are those of a catalogue of the disc, whatever the program reads
    // its photos from now.
    const auto disc = PhotoCatalogue::Build(program_.services.fileSystem, program_.contentPath,
                                            RetryOrGiveUp(program_));
    if (!disc) {
        return false;
    }
    copy.startPlanPhotos(*disc);
    return true;
}

bool MediaStorePanel::CopyAllMovies(MediaCopy& copy) {
    const auto movies = MovieList::Build(program_.services.fileSystem, program_.contentPath,
                                         RetryOrGiveUp(program_));
    if (!movies) {
        return false;
    }
    copy.startPlanMovies(*movies);
    return true;
}

void MediaStorePanel::CopyStep() {
    if (!copy_) {
        stepTimer_->stop();
        return;
    }
    if (program_.ended()) {
        copy_->cancel();
    } else if (QApplication::activeModalWidget() != nullptr) {
        // A message box is open (the exit question): the copy waits for its answer.
        stepTimer_->setInterval(kWhileABoxIsOpenMs);
        return;
    }
    stepTimer_->setInterval(0);
    if (!copy_->planned() && !copy_->cancelRequested()) {
        // Every file of the disc is looked up first, a piece at a time.
        copy_->planStep();
        return;
    }
    const auto sliceEnd = std::chrono::steady_clock::now() + kSliceTime;
    CopyEvent event = copy_->step();
    while (OnlyProgress(event) && std::chrono::steady_clock::now() < sliceEnd) {
        event = copy_->step();
    }
    ShowProgress(event);
    switch (event.kind) {
        case CopyEvent::Kind::FileFailed:
            // The next file waits until the failure has been read.
            stepTimer_->stop();
            program_.services.prompter.ask(event.message);
            stepTimer_->start();
            break;
        case CopyEvent::Kind::Finished:
        case CopyEvent::Kind::Cancelled:
            EndCopy(event);
            break;
        default:
            break;
    }
}

void MediaStorePanel::ShowProgress(const CopyEvent& event) {
    Text1_->setText(QString::fromStdString(event.sourcePath));
    SetGauge(*ProgressGuage_, event.fileGauge);
    SetGauge(*ProgressGuage2_, event.overallGauge);
}

void MediaStorePanel::EndCopy(const CopyEvent& last) {
    stepTimer_->stop();
    const CopyKind kind = copy_->kind();
    const bool copied = copy_->complete() && copy_->fileCount() > 0;
    copy_.reset();
    Services& services = program_.services;
    services.screen.setPointer(Pointer::Default);
    if (last.kind == CopyEvent::Kind::Finished && !program_.ended()) {
        services.prompter.ask(last.message);
    }
    busy_.reset();
    if (kind == CopyKind::Photos && copied && !program_.ended()) {
        // From now on the photos come from the hard disk.
        program_.photoRoot = program_.storeFolder();
        program_.BuildPhotoList();
    }
    ClosePanel(copied);
}

void MediaStorePanel::ClosePanel(bool copied) {
    pnlProgress_->hide();
    cmdCopy_->setEnabled(true);
    cmdCancel_->setEnabled(true);
    if (!program_.ended()) {
        mainWindow_.focusYearButton(program_.onShow.nextYearButton());
    }
    if (auto done = std::exchange(offerDone_, nullptr)) {
        done(copied);
    }
}

}  // namespace velocarta
