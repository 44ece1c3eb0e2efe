#include "media/sound_panel.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>

#include "media/media_tables.h"
#include "program/controls.h"
#include "program/main_window.h"
#include "program/program.h"
#include "program/title_picture.h"

namespace velocarta {

namespace {

// The panel's designed places, in twips.
constexpr Rect kPanel{0, 0, 7935, 5895};
constexpr Rect kHeading{2280, 120, 3495, 375};
// The picture fills the room the columns leave under the second and third.
constexpr Rect kPicture{3240, 3240, 4335, 1800};
constexpr Rect kStop{360, 5280, 3615, 375};
constexpr Rect kClose{3960, 5280, 3615, 375};

// A label reaches almost to the next column of buttons, or to the panel's edge.
int LabelWidth(const SoundRow& sound) {
    const auto sounds = SoundTable();
    int next = kPanel.width;
    for (const SoundRow& other : sounds) {
        if (other.left > sound.left && other.left < next) {
            next = other.left;
        }
    }
    return next - 60 - (sound.left + kSoundLabelOffset);
}

}  // namespace

SoundPanel::SoundPanel(Program& program, MainWindow& mainWindow, QWidget* surface)
    : QFrame(surface), program_(program), mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("pnlSound"));
    setAccessibleName(QStringLiteral("Sound Effects"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);
    resize(PixelsOfTwips(kPanel).size());

    Label10_ = new QLabel(QStringLiteral("Automobile Sound Effects"), this);
    Label10_->setObjectName(QStringLiteral("Label10"));
    Label10_->setAlignment(Qt::AlignCenter);
    QFont heading = Label10_->font();
    heading.setPointSize(heading.pointSize() + 3);
    heading.setBold(true);
    Label10_->setFont(heading);
    Label10_->setGeometry(PixelsOfTwips(kHeading));

    const QIcon play = style()->standardIcon(QStyle::SP_MediaPlay);
    const auto sounds = SoundTable();
    for (std::size_t i = 0; i < sounds.size(); ++i) {
        const SoundRow& sound = sounds[i];
        const QString label = QString::fromUtf8(sound.label);
        auto* button = new QPushButton(play, QString(), this);
        button->setObjectName(QStringLiteral("SSCommand2_%1").arg(i));
        button->setAutoDefault(false);
        button->setAccessibleName(QStringLiteral("Play ") + label);
        button->setToolTip(QStringLiteral("Play ") + label);
        button->setGeometry(PixelsOfTwips({sound.left, sound.top, sound.width, sound.height}));
        button->setIconSize(button->size() - QSize(6, 6));
        const int index = static_cast<int>(i);
        connect(button, &QPushButton::clicked, this, [this, index] { SSCommand2_Click(index); });
        SSCommand2_[i] = button;

        auto* caption = new QLabel(label, this);
        caption->setObjectName(QStringLiteral("lblSound_%1").arg(i));
        caption->setGeometry(PixelsOfTwips(
            {sound.left + kSoundLabelOffset, sound.top, LabelWidth(sound), sound.height}));
        caption->setBuddy(button);
        lblSound_[i] = caption;
    }

    Picture5_ = new QLabel(this);
    Picture5_->setObjectName(QStringLiteral("Picture5"));
    Picture5_->setAccessibleName(QStringLiteral("The Kestrix emblem"));
    Picture5_->setGeometry(PixelsOfTwips(kPicture));
    Picture5_->setPixmap(QPixmap::fromImage(TitlePicture(Picture5_->size())));

    SSCommand3_ = MakeCommandButton(this, QStringLiteral("SSCommand3"), QStringLiteral("Stop"));
    SSCommand3_->setGeometry(PixelsOfTwips(kStop));
    connect(SSCommand3_, &QPushButton::clicked, this, &SoundPanel::SSCommand3_Click);
    SSCommand1_ = MakeCommandButton(this, QStringLiteral("SSCommand1"), QStringLiteral("Close"));
    SSCommand1_->setGeometry(PixelsOfTwips(kClose));
    connect(SSCommand1_, &QPushButton::clicked, this, &SoundPanel::SSCommand1_Click);
    hide();
}

void SoundPanel::Open(int top) {
    move(x(), top);
    raise();
    show();
    SSCommand1_->setFocus();
}

void SoundPanel::SSCommand2_Click(int index) {
    Services& services = program_.services;
    const ContentFile sound = SoundEffectFile(program_.contentPath, index);
    soundPath_ = sound.full();
    std::optional<std::string> path;
    try {
        path = services.fileSystem.resolve(sound);
    } catch (const FileSystemError&) {
        // A disc that cannot be read holds no sound to play.
    }
    if (!path) {
        program_.ShowError(
            "ER038", ErrorSource::Lookup,
            CannotPlayMessage(DeviceType::WaveAudio, soundPath_, "the file cannot be found"));
        return;
    }
    MediaDevice& device = services.mainDevice;
    try {
        // Whatever still plays gives way to the new sound.
        device.close();
        device.setDeviceType(DeviceType::WaveAudio);
        device.setFileName(*path);
        device.open();
        device.play();
    } catch (const MediaError& error) {
        program_.ShowError("ER038", ErrorSource::Trap, error.what());
    }
}

void SoundPanel::SSCommand3_Click() {
    try {
        program_.services.mainDevice.close();
    } catch (const MediaError&) {
        // Nothing was playing.
    }
}

void SoundPanel::SSCommand1_Click() {
    mainWindow_.widget()->setEnabled(true);
    // A sound that plays goes on to its end.
    hide();
}

}  // namespace velocarta
