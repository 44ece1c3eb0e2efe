#include "browser/year_browser.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>

#include "content/naming.h"
#include "program/controls.h"
#include "program/key_codes.h"
#include "program/photo_cache.h"
#include "program/photo_view.h"
#include "program/program.h"
#include "program/spin_button.h"
#include "program/title_picture.h"

namespace velocarta {

namespace {

// Year button captions: the first button of each row shows the whole year.
QString YearButtonCaption(int index) {
    if (index == 1 || index == 20) {
        return QString::number(1963 + index);
    }
    return index == 37 ? QStringLiteral("00") : QString::number(63 + index);
}

void Enable(QPushButton* button, Switch state) {
    button->setEnabled(state != Switch::Off);
}

}  // namespace

YearBrowser::YearBrowser(Program& program, MainWindow& mainWindow, TextViewer& viewer)
    : program_(program),
      mainWindow_(mainWindow),
      viewer_(viewer),
      photoCache_(std::make_unique<PhotoCache>(program.services.fileSystem)) {
    BuildControls(mainWindow.surface(), mainWindow.yearFrame());
    ConnectHandlers();
    onShow_ = program.onShow.listen([this](OnShow::Change change) { OnShowChanged(change); });
}

YearBrowser::~YearBrowser() = default;

void YearBrowser::BuildControls(QWidget* surface, QWidget* yearFrame) {
    panYear_ = MakeCaptionPanel(surface, QStringLiteral("panYear"), QStringLiteral("panYear"),
                                QStringLiteral("The year or topic on show"));
    QFont yearFont = panYear_->font();
    yearFont.setPointSize(yearFont.pointSize() + 5);
    yearFont.setBold(true);
    panYear_->setFont(yearFont);
    panPhoto_ = MakeCaptionPanel(surface, QStringLiteral("panPhoto"), QStringLiteral("1"),
                                 QStringLiteral("The number of the photo on show"));
    QFont numberFont = panPhoto_->font();
    numberFont.setBold(true);
    panPhoto_->setFont(numberFont);

    SpinButton1_ = new SpinButton(surface, QStringLiteral("Previous or next photo"),
                                  QStringLiteral("Next photo"), QStringLiteral("Previous photo"));
    SpinButton1_->setObjectName(QStringLiteral("SpinButton1"));
    // The caption, the photo number and the spin button appear once a year is picked.
    panYear_->hide();
    panPhoto_->hide();
    SpinButton1_->hide();

    txtFile_ = new QLineEdit(surface);
    txtFile_->setObjectName(QStringLiteral("txtFile"));
    txtFile_->setAccessibleName(QStringLiteral("File name"));
    txtFile_->setReadOnly(true);
    txtFile_->hide();

    Image4_ = new PhotoView(surface);
    Image4_->setObjectName(QStringLiteral("Image4"));
    Image4_->setAccessibleName(QStringLiteral("Photo"));
    Image4_->setToolTip(
        QStringLiteral("Click the Right mouse button to copy photo or add to Screen Saver"));
    // Drawn at device pixels, so that it stays sharp on a scaled screen.
    Image4_->setImage(TitlePicture(QSize(784, 412) * Image4_->devicePixelRatioF()));

    cmdDesc_ = MakeCommandButton(surface, QStringLiteral("cmdDesc"), QStringLiteral("Description"));
    cmdDesc_->setToolTip(QStringLiteral(
        "This button displays a text file describing the selected model year Vantrel."));
    cmdOptions_ =
        MakeCommandButton(surface, QStringLiteral("cmdOptions"), QStringLiteral("Options"));
    cmdStats_ = MakeCommandButton(surface, QStringLiteral("cmdStats"), QStringLiteral("Engines"));
    cmdColors_ = MakeCommandButton(surface, QStringLiteral("cmdColors"), QStringLiteral("Colors"));

    rtbDetails_ = new QTextBrowser(surface);
    rtbDetails_->setObjectName(QStringLiteral("rtbDetails"));
    rtbDetails_->setAccessibleName(QStringLiteral("Details"));
    rtbDetails_->setOpenLinks(false);
    rtbDetails_->hide();

    for (int index = 1; index <= 37; ++index) {
        QPushButton* button = MakeCommandButton(yearFrame, QStringLiteral("cmdYR_%1").arg(index),
                                                YearButtonCaption(index));
        button->setAccessibleDescription(
            QString::fromStdString("Model year " + YearOfButton(index)));
        cmdYR_[index] = button;
    }
    // The keyboard walks the year buttons in year order.
    for (int index = 1; index < 37; ++index) {
        QWidget::setTabOrder(cmdYR_[index], cmdYR_[index + 1]);
    }

    Command1_ =
        MakeCommandButton(surface, QStringLiteral("Command1"), QStringLiteral("Load Array"));
    Command1_->setGeometry(700, 4, 92, 30);
    // The maintenance button is there only for a program that reads everything from its
    // own folder.
    Command1_->setVisible(program_.hwi());
}

void YearBrowser::ConnectHandlers() {
    for (int index = 1; index <= 37; ++index) {
        connect(cmdYR_[index], &QPushButton::clicked, this, [this, index] { cmdYR_Click(index); });
        cmdYR_[index]->installEventFilter(this);
    }
    connect(Image4_, &PhotoView::pressed, this, &YearBrowser::Image4_MouseDown);
    connect(SpinButton1_, &SpinButton::spinUp, this, &YearBrowser::NextPhoto);
    connect(SpinButton1_, &SpinButton::spinDown, this, &YearBrowser::PreviousPhoto);
    connect(Command1_, &QPushButton::clicked, this, &YearBrowser::Command1_Click);
    connect(cmdDesc_, &QPushButton::clicked, this, &YearBrowser::cmdDesc_Click);
    connect(cmdStats_, &QPushButton::clicked, this, &YearBrowser::cmdStats_Click);
    connect(cmdColors_, &QPushButton::clicked, this, &YearBrowser::cmdColors_Click);
    connect(cmdOptions_, &QPushButton::clicked, this, &YearBrowser::cmdOptions_Click);
    txtFile_->installEventFilter(this);
    rtbDetails_->viewport()->installEventFilter(this);

    mainWindow_.onFormClick([this] { Form_Click(); });
    mainWindow_.onFormLostFocus([this] { Form_LostFocus(); });
    mainWindow_.onMenu("mnuNames", [this](int) { mnuNames_Click(); });
    mainWindow_.onMenu("mnuArt", [this](int index) { mnuArt_Click(index); });
    mainWindow_.onMenu("mnuStuff", [this](int index) { mnuStuff_Click(index); });
    mainWindow_.onMenu("mnuSpecialty", [this](int index) { mnuSpecialty_Click(index); });
}

void YearBrowser::applyLayout(const MainLayout& layout) {
    panYear_->setGeometry(PixelsOf(layout.panYear));
    panPhoto_->setGeometry(PixelsOf(layout.panPhoto));
    SpinButton1_->setGeometry(PixelsOf(layout.spinButton));
    txtFile_->setGeometry(PixelsOf(layout.txtFile));
    Image4_->setGeometry(PixelsOf(layout.image4));
    const std::pair<QPushButton*, const Rect*> topics[] = {{cmdDesc_, &layout.desc},
                                                           {cmdOptions_, &layout.options},
                                                           {cmdStats_, &layout.stats},
                                                           {cmdColors_, &layout.colors}};
    for (const auto& [button, rect] : topics) {
        button->setGeometry(PixelsOf(*rect));
        FitCaption(button);
    }
    for (int index = 1; index <= 37; ++index) {
        cmdYR_[index]->setGeometry(PixelsOfTwips(layout.yearButtons[index]));
    }
    rtbDetails_->setGeometry(PixelsOf(DetailsBoxPlace(layout)));
}

void YearBrowser::FocusYearButton(int index) {
    if (index >= 1 && index <= 37) {
        cmdYR_[index]->setFocus(Qt::OtherFocusReason);
    }
}

bool YearBrowser::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        for (int index = 1; index <= 37; ++index) {
            if (watched == cmdYR_[index]) {
                return cmdYR_KeyDown(index, KeyCodeOf(*static_cast<QKeyEvent*>(event)));
            }
        }
    }
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == txtFile_) {
            txtFile_Click();
            return true;
        }
        if (watched == rtbDetails_->viewport()) {
            rtbDetails_Click();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void YearBrowser::OnShowChanged(OnShow::Change change) {
    const OnShow& onShow = program_.onShow;
    switch (change) {
        case OnShow::Change::Caption:
            panYear_->setText(QString::fromStdString(onShow.caption()));
            break;
        case OnShow::Change::Photo:
            panPhoto_->setText(QString::number(onShow.photoNumber()));
            if (showFileNames_ && !onShow.photoPath().empty()) {
                txtFile_->setText(
                    QString::fromStdString(PhotoFileName(onShow.photoPath()).substr(0, 12)));
            }
            break;
        case OnShow::Change::TopicButtons: {
            const TopicButtonStates& offered = onShow.topicButtons();
            Enable(cmdDesc_, offered.desc);
            Enable(cmdStats_, offered.stats);
            Enable(cmdOptions_, offered.options);
            Enable(cmdColors_, offered.colors);
            break;
        }
        default:
            break;
    }
}

}  // namespace velocarta
