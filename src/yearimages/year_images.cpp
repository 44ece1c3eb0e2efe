#include "yearimages/year_images.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "content/choose_year.h"
#include "program/controls.h"
#include "program/program.h"
#include "tools/zoom_viewer/zoom_viewer.h"
#include "yearimages/picture_places.h"

namespace velocarta {

namespace {

QLabel* PictureBox(QWidget* parent, const QString& name, const QString& accessibleName) {
    auto* box = new QLabel(parent);
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    box->setToolTip(QStringLiteral("Click the Right mouse button to copy"));
    box->setFrameStyle(QFrame::Box | QFrame::Plain);
    box->hide();
    return box;
}

void Apply(QPushButton* button, Switch state) {
    button->setEnabled(state != Switch::Off);
}

}  // namespace

YearImages::YearImages(Program& program, MainWindow& mainWindow, TextViewer& viewer)
    : program_(program),
      mainWindow_(mainWindow),
      viewer_(viewer),
      zoomViewer_(std::make_unique<ZoomViewer>(program, mainWindow)) {
    QWidget* surface = mainWindow.surface();
    cmdScript_ = MakeCommandButton(surface, QStringLiteral("cmdScript"), QStringLiteral("Script"));
    cmdEmblem_ = MakeCommandButton(surface, QStringLiteral("cmdEmblem"), QStringLiteral("Emblem"));
    cmdClipArt_ =
        MakeCommandButton(surface, QStringLiteral("cmdClipArt"), QStringLiteral("ClipArt "));
    cmdAd_ = MakeCommandButton(surface, QStringLiteral("cmdAd"), QStringLiteral("Advertisement"));
    cmdNostalgia_ =
        MakeCommandButton(surface, QStringLiteral("cmdNostalgia"), QStringLiteral("Nostalgia"));
    picScript_ = PictureBox(surface, QStringLiteral("picScript"), QStringLiteral("Script"));
    picEmblem_ = PictureBox(surface, QStringLiteral("picEmblem"), QStringLiteral("Emblem"));
    picClipArt_ = PictureBox(surface, QStringLiteral("picClipArt"), QStringLiteral("Clip art"));

    connect(cmdEmblem_, &QPushButton::clicked, this, &YearImages::cmdEmblem_Click);
    connect(cmdScript_, &QPushButton::clicked, this, &YearImages::cmdScript_Click);
    connect(cmdClipArt_, &QPushButton::clicked, this, &YearImages::cmdClipArt_Click);
    connect(cmdNostalgia_, &QPushButton::clicked, this, &YearImages::cmdNostalgia_Click);
    connect(cmdAd_, &QPushButton::clicked, this, &YearImages::cmdAd_Click);
    for (QLabel* box : {picEmblem_, picScript_, picClipArt_}) {
        box->installEventFilter(this);
    }

    onShow_ = program.onShow.listen([this](OnShow::Change change) {
        if (change == OnShow::Change::TopicButtons) {
            ApplyTopicButtons();
        } else if (change == OnShow::Change::Refreshed) {
            Refresh();
        }
    });
}

YearImages::~YearImages() = default;

void YearImages::applyLayout(const MainLayout& layout) {
    const std::pair<QPushButton*, const Rect*> buttons[] = {{cmdScript_, &layout.script},
                                                            {cmdEmblem_, &layout.emblem},
                                                            {cmdClipArt_, &layout.clipArt},
                                                            {cmdAd_, &layout.ad},
                                                            {cmdNostalgia_, &layout.nostalgia}};
    for (const auto& [button, rect] : buttons) {
        button->setGeometry(PixelsOf(*rect));
        FitCaption(button);
    }
    PlaceEmblem();
    PlaceScript();
    PlaceClipArt();
}

void YearImages::setScreenSaverListCloser(std::function<void()> closer) {
    closeScreenSaverList_ = std::move(closer);
}

void YearImages::ApplyTopicButtons() {
    const TopicButtonStates& offered = program_.onShow.topicButtons();
    Apply(cmdScript_, offered.script);
    Apply(cmdEmblem_, offered.emblem);
    Apply(cmdClipArt_, offered.clipArt);
    Apply(cmdAd_, offered.ad);
    Apply(cmdNostalgia_, offered.nostalgia);
}

void YearImages::Refresh() {
    const std::string& caption = program_.onShow.caption();
    const TopicButtonsDecision decision = DecideTopicButtons(caption);
    // An art print has no pictures of its own: reloading would only report three missing
    // files and leave the last year's clip art over the print.
    if (decision.hidePictureBoxes || (decision.reloadOpenPictures && !HasYearPictures(caption))) {
        picClipArt_->hide();
        picEmblem_->hide();
        picScript_->hide();
        return;
    }
    if (decision.hideClipArt) {
        picClipArt_->hide();
    }
    if (!decision.reloadOpenPictures) {
        return;
    }
    if (!picClipArt_->isHidden()) {
        LoadClipArt();
    }
    if (!picScript_->isHidden()) {
        LoadScript();
    }
    if (!picEmblem_->isHidden()) {
        LoadEmblem();
    }
}

bool YearImages::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLabel*>(watched);
    if (box == nullptr || (box != picEmblem_ && box != picScript_ && box != picClipArt_)) {
        return QObject::eventFilter(watched, event);
    }
    if (event->type() == QEvent::MouseButtonPress) {
        PictureBox_MouseDown(box, static_cast<QMouseEvent*>(event)->button());
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        // A click is a press and a release of the left button on the box.
        if (mouse->button() == Qt::LeftButton &&
            box->rect().contains(mouse->position().toPoint())) {
            PictureBox_Click(box);
        }
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace velocarta
