#include "media/frm_movie.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QWindow>
#include <algorithm>

#include "media/codec_installer.h"
#include "media/media_tables.h"
#include "media/transport_bar.h"
#include "program/controls.h"
#include "program/main_window.h"
#include "program/program.h"

namespace velocarta {

namespace {

// The window's designed places, in twips.
constexpr Rect kClientArea{0, 0, 5055, 5865};
constexpr Rect kPicMovie{120, 120, 4815, 3255};
constexpr int kTransportWidth = 3420;
constexpr int kTransportHeight = 495;
constexpr std::array<Rect, 8> kOptionPlaces{{
    {360, 4200, 2295, 255},   // 0
    {360, 4560, 2295, 270},   // 1
    {360, 4920, 2055, 255},   // 2
    {2880, 4200, 1815, 270},  // 3
    {2880, 4560, 2055, 255},  // 4
    {},                       // 5: not offered
    {},                       // 6: not offered
    {2880, 4920, 2055, 270},  // 7
}};
constexpr Rect kHelp{120, 5400, 2415, 375};
constexpr Rect kExit{2520, 5400, 2415, 375};

}  // namespace

frmMovie::frmMovie(Program& program, MainWindow& mainWindow, std::string movieRoot)
    : QWidget(nullptr, Qt::Dialog),
      program_(program),
      mainWindow_(mainWindow),
      device_(program.services.movieDevice),
      movieRoot_(std::move(movieRoot)) {
    setObjectName(QStringLiteral("frmMovie"));
    setWindowTitle(QStringLiteral("Vantrel Movies - Coming April 17, 1964"));
    // A window of its own rather than a child of the main window, which is disabled while
    // this one is open.
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(PixelsOfTwips(kClientArea).size());

    PicMovie_ = new QFrame(this);
    PicMovie_->setObjectName(QStringLiteral("PicMovie"));
    PicMovie_->setAccessibleName(QStringLiteral("Movie"));
    PicMovie_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    PicMovie_->setStyleSheet(QStringLiteral("QFrame#PicMovie { background: black; }"));
    PicMovie_->setGeometry(PixelsOfTwips(kPicMovie));

    MMControl1_ = new TransportBar(this);
    MMControl1_->setObjectName(QStringLiteral("MMControl1"));
    connect(MMControl1_, &TransportBar::playPressed, this, &frmMovie::MMControl1_PlayClick);
    connect(MMControl1_, &TransportBar::pausePressed, this, &frmMovie::MMControl1_PauseClick);
    connect(MMControl1_, &TransportBar::stopPressed, this, &frmMovie::MMControl1_StopClick);

    const auto movies = MovieTable();
    for (std::size_t i = 0; i < movies.size(); ++i) {
        auto* option = new QRadioButton(QString::fromUtf8(movies[i].caption), this);
        option->setObjectName(QStringLiteral("optMovie_%1").arg(i));
        option->setGeometry(PixelsOfTwips(kOptionPlaces[i]));
        option->setVisible(movies[i].offered);
        const int index = static_cast<int>(i);
        connect(option, &QRadioButton::toggled, this, [this, index](bool chosen) {
            if (chosen) {
                optMovie_Click(index);
            }
        });
        optMovie_[i] = option;
    }
    FitOptionCaptions();

    SSCommand2_ = MakeCommandButton(this, QStringLiteral("SSCommand2"), QStringLiteral("Help"));
    SSCommand2_->setGeometry(PixelsOfTwips(kHelp));
    connect(SSCommand2_, &QPushButton::clicked, this, &frmMovie::SSCommand2_Click);
    SSCommand1_ = MakeCommandButton(this, QStringLiteral("SSCommand1"), QStringLiteral("Exit"));
    SSCommand1_->setGeometry(PixelsOfTwips(kExit));
    connect(SSCommand1_, &QPushButton::clicked, this, &frmMovie::SSCommand1_Click);
}

void frmMovie::FitOptionCaptions() {
    // One size for all, the largest at which every caption shows whole at its place.
    QFont font = this->font();
    auto fits = [this] {
        return std::all_of(optMovie_.begin(), optMovie_.end(), [](const QRadioButton* option) {
            return option->isHidden() || option->sizeHint().width() <= option->width();
        });
    };
    for (;;) {
        for (QRadioButton* option : optMovie_) {
            option->setFont(font);
        }
        if (fits() || font.pointSize() <= 6) {
            break;
        }
        font.setPointSize(font.pointSize() - 1);
    }
}

frmMovie::~frmMovie() {
    if (!unloaded_) {
        ReleaseDevice();
    }
}

void frmMovie::Form_Load() {
    const Screen& screen = program_.services.screen;
    move((screen.widthPixels() - width()) / 2, (screen.heightPixels() - height()) / 2);
    mainWindow_.widget()->setEnabled(false);
    MMControl1_->hide();
    PicMovie_->show();
    device_.setModeListener(
        [this](DeviceMode mode, const std::string& failure) { DeviceChanged(mode, failure); });
    show();
    if (windowHandle() != nullptr && mainWindow_.widget()->windowHandle() != nullptr) {
        windowHandle()->setTransientParent(mainWindow_.widget()->windowHandle());
    }
    raise();
    activateWindow();
    optMovie_[0]->setChecked(true);
    optMovie_[0]->setFocus();
    device_.setDisplayWindow(PicMovie_);
}

void frmMovie::optMovie_Click(int index) {
    const MovieRow& movie = MovieTable()[index];
    const ContentFile file = MovieFile(movieRoot_, index);
    PicMovie_->show();
    setWindowTitle(QString::fromUtf8(movie.windowCaption));
    std::optional<std::string> path;
    try {
        path = program_.services.fileSystem.resolve(file);
    } catch (const FileSystemError&) {
        // A folder that cannot be read holds no movie to play.
    }
    if (!path) {
        // The movie open before must not play under this one's caption.
        CloseDevice();
        ShowDeviceMode();
        ReportMovieError(
            CannotPlayMessage(DeviceType::AVIVideo, file.full(), "the file cannot be found"));
        return;
    }
    PicMovie_->resize(PicMovie_->width(), PixelsOfTwips(kPicMovie).height());
    const int optionTop = kOptionPlaces[0].top;
    MMControl1_->setGeometry(
        PixelsOfTwips({(kClientArea.width - kTransportWidth) / 2,
                       optionTop - kTransportHeight - 100, kTransportWidth, kTransportHeight}));
    MMControl1_->show();
    try {
        device_.close();
        device_.setDeviceType(DeviceType::AVIVideo);
        device_.setFileName(*path);
        device_.open();
        ShowDeviceMode();
    } catch (const MediaError& error) {
        ShowDeviceMode();
        ReportMovieError(error.what());
    }
}

void frmMovie::MMControl1_PlayClick() {
    try {
        device_.play();
        ShowDeviceMode();
    } catch (const MediaError& error) {
        ShowDeviceMode();
        ReportMovieError(error.what());
    }
}

void frmMovie::MMControl1_PauseClick() {
    try {
        device_.pause();
    } catch (const MediaError& error) {
        ReportMovieError(error.what());
    }
    ShowDeviceMode();
}

void frmMovie::MMControl1_StopClick() {
    try {
        device_.stop();
        // Rewound, so that the next Play begins at the first frame.
        device_.prev();
    } catch (const MediaError& error) {
        ReportMovieError(error.what());
    }
    ShowDeviceMode();
}

void frmMovie::DeviceChanged(DeviceMode /*mode*/, const std::string& failure) {
    ShowDeviceMode();
    if (!failure.empty()) {
        ReportMovieError(failure);
    }
}

void frmMovie::ShowDeviceMode() {
    const DeviceMode mode = device_.mode();
    // Nothing to play: the bar goes, as before the first movie was opened.
    MMControl1_->setVisible(mode != DeviceMode::NotOpen);
    MMControl1_->showMode(mode);
}

void frmMovie::ReportMovieError(std::string_view reason) {
    program_.ShowError("ER045", ErrorSource::Trap, reason);
    // The message enables the main window; it stays disabled while this window is open.
    if (!unloaded_) {
        mainWindow_.widget()->setEnabled(false);
    }
}

void frmMovie::SSCommand2_Click() {
    waitingForInstaller_ = true;
    OfferCodecInstaller(program_, mainWindow_, this);
    waitingForInstaller_ = false;
    mainWindow_.widget()->setEnabled(false);
    SSCommand2_->setFocus();
}

void frmMovie::SSCommand1_Click() {
    close();
    mainWindow_.widget()->setEnabled(true);
    mainWindow_.focusYearButton(program_.onShow.nextYearButton());
}

void frmMovie::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        SSCommand1_Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmMovie::closeEvent(QCloseEvent* event) {
    if (waitingForInstaller_ && !program_.ended()) {
        event->ignore();
        return;
    }
    event->accept();
    if (!unloaded_) {
        Form_Unload();
    }
}

void frmMovie::CloseDevice() {
    try {
        device_.close();
    } catch (const MediaError&) {
        // Nothing could be closed: the device is free all the same.
    }
}

void frmMovie::ReleaseDevice() {
    device_.setModeListener(nullptr);
    CloseDevice();
    device_.setDisplayWindow(nullptr);
}

void frmMovie::Form_Unload() {
    unloaded_ = true;
    ReleaseDevice();
    mainWindow_.widget()->setEnabled(true);
    if (onUnloaded) {
        onUnloaded();
    }
}

}  // namespace velocarta
