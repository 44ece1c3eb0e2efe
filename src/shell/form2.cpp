#include "shell/form2.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "content/lookup.h"
#include "content/naming.h"
#include "content/utilities.h"
#include "program/program.h"
#include "program/title_picture.h"
#include "shell/disc_search.h"
#include "shell/form1.h"
#include "shell/program_windows.h"

namespace velocarta {

Form2::Form2(Program& program, ProgramWindows& windows) : program_(program), windows_(windows) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QString::fromUtf8(kProductTitle));
    setFixedSize(480, 320);

    SSPanel1 = new QLabel(QStringLiteral("The Vantrel Velocarta 2000"), this);
    SSPanel1->setObjectName(QStringLiteral("SSPanel1"));
    SSPanel1->setAlignment(Qt::AlignCenter);
    SSPanel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    QFont title = SSPanel1->font();
    title.setPointSize(18);
    title.setBold(true);
    SSPanel1->setFont(title);
    SSPanel1->setAccessibleDescription(QStringLiteral("Product title"));

    Picture3 = new QLabel(this);
    Picture3->setObjectName(QStringLiteral("Picture3"));
    // Drawn at device pixels, so that it stays sharp on a scaled screen.
    const qreal ratio = Picture3->devicePixelRatioF();
    QPixmap picture = QPixmap::fromImage(TitlePicture(QSize(440, 200) * ratio));
    picture.setDevicePixelRatio(ratio);
    Picture3->setPixmap(picture);
    Picture3->setAccessibleName(QStringLiteral("The Kestrix emblem"));

    Image1 = new QLabel(QStringLiteral("Loading the Vantrel photo collection..."), this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SSPanel1);
    layout->addWidget(Picture3, 1, Qt::AlignCenter);
    layout->addWidget(Image1);

    Timer1 = new QTimer(this);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &Form2::Timer1_Timer);
}

void Form2::Form_Load() {
    Services& services = program_.services;

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
    show();

    if (!services.instanceGuard.acquire()) {
        // Also said on the terminal, for whoever started the program from one.
        qWarning("The Vantrel Velocarta is already running!");
        services.prompter.ask({"The Vantrel Velocarta is already running!", kProductTitle,
                               Buttons::Ok, Icon::Critical, /*systemModal=*/true});
        program_.EndProgram();
        return;
    }

    services.screen.setPointer(Pointer::Hourglass);
    if (program_.hwi()) {
        program_.photoRoot = program_.programFolder();
        program_.contentPath = program_.programFolder();
    } else if (!FindContent()) {
        return;
    }

    PlayStartupSound();
    Timer1->start(5000);
    program_.startupPending = true;
    if (!program_.BuildPhotoList() || !program_.BuildMovieList()) {
        return;
    }
    catalogueBuilt_ = true;
    // A listing failure may have kept the catalogue busy past the five seconds.
    if (tickWaiting_) {
        Timer1_Timer();
    }
}

bool Form2::FindContent() {
    Services& services = program_.services;
    for (;;) {
        const std::vector<std::string> candidates = ContentDiscCandidates(
            services.environment.variable("VELOCARTA_DRIVES"), services.environment.mountTable(),
            services.environment.userName());
        const ContentRoots roots =
            SearchContent(services.fileSystem, program_.storeFolder(), candidates);
        if (!roots.contentPath.empty()) {
            program_.contentPath = roots.contentPath;
            program_.photoRoot = roots.photoRoot;
            return true;
        }
        Timer1->stop();
        close();
        if (program_.ShowError("ER001", ErrorSource::Trap) != ErrorOutcome::Retry) {
            return false;
        }
    }
}

void Form2::PlayStartupSound() {
    MediaDevice& device = program_.services.startupDevice;
    FileSystem& fileSystem = program_.services.fileSystem;
    const ContentFile sound = StartupSound(program_.programFolder());
    const auto found =
        FirstListed(fileSystem, sound).empty() ? std::nullopt : fileSystem.resolve(sound);
    if (!found) {
        // A missing start-up sound is no reason to stop the program: nothing is said.
        return;
    }
    try {
        device.close();
        device.setDeviceType(DeviceType::WaveAudio);
        device.setFileName(*found);
        device.open();
        device.play();
    } catch (const MediaError&) {
        // A sound that cannot be played is skipped like a missing one.
    }
}

void Form2::Timer1_Timer() {
    Timer1->stop();
    if (!catalogueBuilt_) {
        tickWaiting_ = true;
        return;
    }
    tickWaiting_ = false;
    Form1& form1 = windows_.LoadForm1();
    if (!ScreenIs(program_.services.screen, 800, 600)) {
        form1.RelayoutForOtherScreen();
    }
    form1.FillYearLists();
}

}  // namespace velocarta
