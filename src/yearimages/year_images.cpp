#include "yearimages/year_images.h"

#include <QLabel>
#include <QPushButton>

#include "content/choose_year.h"
#include "program/controls.h"
#include "program/program.h"

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

YearImages::YearImages(Program& program, MainWindow& mainWindow) : program_(program) {
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

    onShow_ = program.onShow.listen([this](OnShow::Change change) {
        if (change == OnShow::Change::TopicButtons) {
            ApplyTopicButtons();
        } else if (change == OnShow::Change::Refreshed) {
            Refresh();
        }
    });
}

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
    const TopicButtonsDecision decision = DecideTopicButtons(program_.onShow.caption());
    if (decision.hidePictureBoxes) {
        picClipArt_->hide();
        picEmblem_->hide();
        picScript_->hide();
    }
    if (decision.hideClipArt) {
        picClipArt_->hide();
    }
}

}  // namespace velocarta
