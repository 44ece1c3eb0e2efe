#include "media/transport_bar.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>

namespace velocarta {

namespace {

QPushButton* TransportButton(QWidget* parent, const QString& name, QStyle::StandardPixmap icon,
                             const QString& caption) {
    auto* button = new QPushButton(parent->style()->standardIcon(icon), caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    return button;
}

}  // namespace

TransportBar::TransportBar(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAccessibleName(QStringLiteral("Movie controls"));
    play_ =
        TransportButton(this, QStringLiteral("Play"), QStyle::SP_MediaPlay, QStringLiteral("Play"));
    pause_ = TransportButton(this, QStringLiteral("Pause"), QStyle::SP_MediaPause,
                             QStringLiteral("Pause"));
    stop_ =
        TransportButton(this, QStringLiteral("Stop"), QStyle::SP_MediaStop, QStringLiteral("Stop"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(2);
    row->addWidget(play_);
    row->addWidget(pause_);
    row->addWidget(stop_);
    connect(play_, &QPushButton::clicked, this, &TransportBar::playPressed);
    connect(pause_, &QPushButton::clicked, this, &TransportBar::pausePressed);
    connect(stop_, &QPushButton::clicked, this, &TransportBar::stopPressed);
    showMode(DeviceMode::NotOpen);
}

void TransportBar::showMode(DeviceMode mode) {
    const bool open = mode != DeviceMode::NotOpen;
    const bool running = mode == DeviceMode::Playing;
    // The button that was pressed may go grey: the focus moves on to one that is not, so
    // that the keyboard user keeps a place in the bar.
    QWidget* focus = QApplication::focusWidget();
    const bool focusInBar = focus != nullptr && isAncestorOf(focus);
    play_->setEnabled(open && !running);
    pause_->setEnabled(running);
    stop_->setEnabled(running || mode == DeviceMode::Paused);
    if (focusInBar && !focus->isEnabled()) {
        for (QPushButton* button : {play_, pause_, stop_}) {
            if (button->isEnabled()) {
                button->setFocus();
                break;
            }
        }
    }
}

}  // namespace velocarta
