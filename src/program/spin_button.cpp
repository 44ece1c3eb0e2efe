#include "program/spin_button.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace velocarta {

SpinButton::SpinButton(QWidget* parent, const QString& name, const QString& upName,
                       const QString& downName)
    : QWidget(parent) {
    setAccessibleName(name);
    up_ = new QToolButton(this);
    up_->setArrowType(Qt::UpArrow);
    up_->setAccessibleName(upName);
    up_->setToolTip(upName);
    down_ = new QToolButton(this);
    down_->setArrowType(Qt::DownArrow);
    down_->setAccessibleName(downName);
    down_->setToolTip(downName);
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
