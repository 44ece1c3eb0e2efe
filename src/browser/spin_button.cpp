#include "browser/spin_button.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace velocarta {

SpinButton::SpinButton(QWidget* parent) : QWidget(parent) {
    setAccessibleName(QStringLiteral("Previous or next photo"));
    up_ = new QToolButton(this);
    up_->setArrowType(Qt::UpArrow);
    up_->setAccessibleName(QStringLiteral("Next photo"));
    up_->setToolTip(QStringLiteral("Next photo"));
    down_ = new QToolButton(this);
    down_->setArrowType(Qt::DownArrow);
    down_->setAccessibleName(QStringLiteral("Previous photo"));
    down_->setToolTip(QStringLiteral("Previous photo"));
    for (QToolButton* button : {up_, down_}) {
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        button->setFocusPolicy(Qt::NoFocus);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up_);
    layout->addWidget(down_);
    connect(up_, &QToolButton::clicked, this, &SpinButton::spinUp);
    connect(down_, &QToolButton::clicked, this, &SpinButton::spinDown);
}

}  // namespace velocarta
