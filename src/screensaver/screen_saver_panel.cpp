#include "screensaver/screen_saver_panel.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "content/naming.h"
#include "platform/posix/posix_profile_file.h"
#include "program/controls.h"
#include "program/main_window.h"
#include "program/program.h"
#include "program/spin_button.h"
#include "program/title_picture.h"
#include "reading/text_viewer.h"
#include "screensaver/profile_text.h"
#include "screensaver/screen_saver_rules.h"
#include "slideshow/delay_ring.h"

namespace velocarta {

namespace {

// The panel's size in twips.
constexpr int kPanelWidthTwips = 6255;
constexpr int kPanelHeightTwips = 5175;

QLabel* Heading(QWidget* parent, const char* name, const char* text, int pointSizeStep,
                const Rect& twips) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSize(font.pointSize() + pointSizeStep);
    label->setFont(font);
    label->setGeometry(PixelsOfTwips(twips));
    return label;
}

// Whether a pattern matches any file; a folder that cannot be read has none to offer.
bool AnyFile(FileSystem& fileSystem, const ContentFile& pattern) {
    try {
        return !fileSystem.list(pattern)->next().empty();
    } catch (const FileSystemError&) {
        return false;
    }
}

}  // namespace

ScreenSaverPanel::ScreenSaverPanel(Program& program, MainWindow& mainWindow, TextViewer& viewer,
                                   OfferPhotoCopy offerPhotoCopy)
    : program_(program),
      viewer_(viewer),
      offerPhotoCopy_(std::move(offerPhotoCopy)),
      layout_(mainWindow.layout()) {
    BuildControls(mainWindow.surface());
    mainWindow.onMenu("mnuSaver", [this](int) { mnuSaver_Click(); });
}

ScreenSaverPanel::~ScreenSaverPanel() = default;

void ScreenSaverPanel::BuildControls(QWidget* surface) {
    pnlSSaver_ = new QFrame(surface);
    pnlSSaver_->setObjectName(QStringLiteral("pnlSSaver"));
    pnlSSaver_->setAccessibleName(QStringLiteral("Install Screen Saver"));
    pnlSSaver_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pnlSSaver_->setLineWidth(2);
    pnlSSaver_->setAutoFillBackground(true);
    const QRect size = PixelsOfTwips({0, 0, kPanelWidthTwips, kPanelHeightTwips});
    pnlSSaver_->resize(size.size());

    Label7_ = Heading(pnlSSaver_, "Label7", "The Vantrel Velocarta", 4, {360, 180, 5535, 480});
    Label8_ = Heading(pnlSSaver_, "Label8", "Install Screen Saver", 1, {360, 660, 5535, 375});
    Image2_ = new QLabel(pnlSSaver_);
    Image2_->setObjectName(QStringLiteral("Image2"));
    Image2_->setAccessibleDescription(QStringLiteral("The Vantrel Velocarta 2000"));
    Image2_->setGeometry(PixelsOfTwips({1080, 1140, 4095, 2160}));
    Image2_->setPixmap(QPixmap::fromImage(TitlePicture(Image2_->size())));

    Option1_0_ = new QRadioButton(QStringLiteral("All Photos"), pnlSSaver_);
    Option1_0_->setObjectName(QStringLiteral("Option1_0"));
    Option1_0_->setGeometry(PixelsOfTwips({1200, 3480, 1815, 375}));
    Option1_0_->setChecked(true);
    Option1_1_ = new QRadioButton(QStringLiteral("Selected Photos"), pnlSSaver_);
    Option1_1_->setObjectName(QStringLiteral("Option1_1"));
    Option1_1_->setGeometry(PixelsOfTwips({3120, 3480, 2055, 375}));
    for (QRadioButton* option : {Option1_0_, Option1_1_}) {
        option->setAccessibleName(option->text());
    }

    Label9_ = new QLabel(QStringLiteral("Select the photo delay:"), pnlSSaver_);
    Label9_->setObjectName(QStringLiteral("Label9"));
    Label9_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label9_->setGeometry(PixelsOfTwips({360, 4020, 2640, 375}));
    // Two arrows one above the other need more height than the single row of the delay.
    SpinInterval_ = new SpinButton(pnlSSaver_, QStringLiteral("Photo delay"),
                                   QStringLiteral("Longer delay"), QStringLiteral("Shorter delay"));
    SpinInterval_->setObjectName(QStringLiteral("SpinInterval"));
    SpinInterval_->setGeometry(PixelsOfTwips({3120, 4020, 975, 375}));
    panInterval_ = MakeCaptionPanel(pnlSSaver_, QStringLiteral("panInterval"),
                                    QString::fromLatin1(kOpeningSaverDelayCaption.data()),
                                    QStringLiteral("The delay per photo"));
    panInterval_->setGeometry(PixelsOfTwips({4080, 4020, 1410, 375}));
    Label9_->setBuddy(SpinInterval_);

    SSCommand4_ =
        MakeCommandButton(pnlSSaver_, QStringLiteral("SSCommand4"), QStringLiteral("Install"));
    SSCommand4_->setGeometry(PixelsOfTwips({360, 4560, 1815, 375}));
    SSCommand6_ =
        MakeCommandButton(pnlSSaver_, QStringLiteral("SSCommand6"), QStringLiteral("Cancel"));
    SSCommand6_->setGeometry(PixelsOfTwips({2160, 4560, 1815, 375}));
    SSCommand5_ =
        MakeCommandButton(pnlSSaver_, QStringLiteral("SSCommand5"), QStringLiteral("Help"));
    SSCommand5_->setGeometry(PixelsOfTwips({3960, 4560, 1815, 375}));
    pnlSSaver_->hide();

    connect(SpinInterval_, &SpinButton::spinDown, this, &ScreenSaverPanel::SpinInterval_SpinDown);
    connect(SpinInterval_, &SpinButton::spinUp, this, &ScreenSaverPanel::SpinInterval_SpinUp);
    connect(SSCommand4_, &QPushButton::clicked, this, &ScreenSaverPanel::SSCommand4_Click);
    connect(SSCommand5_, &QPushButton::clicked, this, &ScreenSaverPanel::SSCommand5_Click);
    connect(SSCommand6_, &QPushButton::clicked, this, &ScreenSaverPanel::SSCommand6_Click);
}

void ScreenSaverPanel::applyLayout(const MainLayout& layout) {
    layout_ = layout;
    // Over the middle of the photo, just below its top edge.
    pnlSSaver_->move(layout.image4.left + (layout.image4.width - pnlSSaver_->width()) / 2,
                     layout.image4.top + 5);
}

bool ScreenSaverPanel::HardDiskPhotos() const {
    return AnyFile(program_.services.fileSystem,
                   {program_.storeFolder(), std::string(kHardDiskPhotoPattern)});
}

bool ScreenSaverPanel::SelectedPhotos() const {
    return AnyFile(program_.services.fileSystem,
                   {program_.storeFolder(), std::string(kSelectionPattern)});
}

void ScreenSaverPanel::mnuSaver_Click() {
    applyLayout(layout_);
    const bool selected = SelectedPhotos();
    Option1_1_->setEnabled(selected);
    if (!selected && Option1_1_->isChecked()) {
        // An emptied selection cannot stay chosen.
        Option1_0_->setChecked(true);
    }
    pnlSSaver_->raise();
    pnlSSaver_->show();
    SSCommand6_->setFocus();
    SSCommand6_->setText(QStringLiteral("Cancel"));
    program_.photoDelay = kOpeningPhotoDelay;
    panInterval_->setText(QString::fromLatin1(kOpeningSaverDelayCaption.data()));
}

void ScreenSaverPanel::SpinInterval_SpinDown() {
    program_.photoDelay = StepPhotoDelay(program_.photoDelay, SpinDirection::Down);
    panInterval_->setText(QString::fromStdString(ScreenSaverDelayCaption(program_.photoDelay)));
}

void ScreenSaverPanel::SpinInterval_SpinUp() {
    program_.photoDelay = StepPhotoDelay(program_.photoDelay, SpinDirection::Up);
    panInterval_->setText(QString::fromStdString(ScreenSaverDelayCaption(program_.photoDelay)));
}

void ScreenSaverPanel::SSCommand4_Click() {
    const SaverPhotos photos = Option1_1_->isChecked() ? SaverPhotos::Selected : SaverPhotos::All;
    const InstallFolderDecision decision =
        DecideInstallFolder(photos, HardDiskPhotos(), program_.storeFolder());
    if (!decision.offerCopy) {
        Install(decision.folder);
        return;
    }
    if (program_.services.prompter.ask(CopyPhotosOfferQuestion()) != Answer::Yes) {
        Install(DiscPhotoFolder(program_.contentPath));
        return;
    }
    // The installation goes on when the copy has ended; until then the copy panel and the
    // rest of the program stay usable, and the program can be closed.
    SSCommand4_->setEnabled(false);
    auto answered = std::make_shared<bool>(false);
    offerPhotoCopy_([this, alive = std::weak_ptr<int>(alive_), answered](bool copied) {
        if (alive.expired() || std::exchange(*answered, true)) {
            return;
        }
        SSCommand4_->setEnabled(true);
        // A cancelled or refused copy installs nothing: the user may choose again.
        if (copied) {
            Install(CopiedPhotoFolder(program_.storeFolder()));
        }
    });
}

void ScreenSaverPanel::Install(const std::string& photoFolder) {
    Services& services = program_.services;
    try {
        services.systemFolders.makeSettingsFolder();
        const std::string folder = services.systemFolders.settingsFolder();
        const std::string settings = folder + std::string(kSaverSettingsFile);
        WriteProfileString(settings, kSaverSection, kPhotoFolderKey, photoFolder);
        WriteProfileString(settings, kSaverSection, kIntervalKey,
                           DelaySecondsText(program_.photoDelay));
        services.fileSystem.copy(ScreenSaverProgram(program_.programFolder()),
                                 {folder, std::string(kInstalledSaver)});
    } catch (const FileSystemError&) {
        program_.ShowError("ER049", ErrorSource::Trap);
        return;
    } catch (const ProfileValueError&) {
        program_.ShowError("ER049", ErrorSource::Trap);
        return;
    }
    services.prompter.ask(ScreenSaverInstalledMessage());
    SSCommand6_->setText(QStringLiteral("Exit"));
}

void ScreenSaverPanel::SSCommand5_Click() {
    const ContentFile help = ScreenSaverHelpDoc(program_.contentPath);
    if (!program_.services.fileSystem.resolve(help) ||
        !viewer_.Open(help, std::string(kScreenSaverHelpCaption))) {
        program_.ShowError("ER052", ErrorSource::Trap);
    }
}

void ScreenSaverPanel::SSCommand6_Click() {
    pnlSSaver_->hide();
}

}  // namespace velocarta
