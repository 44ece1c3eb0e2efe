#include "tools/zoom_viewer/frm_scroll.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>
#include <algorithm>
#include <cstdlib>

#include "program/controls.h"
#include "program/main_window.h"
#include "program/program.h"
#include "tools/zoom_viewer/picture_widgets.h"
#include "tools/zoom_viewer/zoom_layout.h"

namespace velocarta {

namespace {

const QString kFittedHint = QStringLiteral(
    "Click the left mouse button to zoom in. Click the Right mouse button to close.");
const QString kFullSizeHint = QStringLiteral(
    "Click the left mouse button to view zoom out. Click the Right mouse button to close.");

// The width of the fitted view as the advertisement display first sets it.
constexpr int kFirstFittedWidth = 620;
// Scroll bars at least as thick as the classic desktop's, and an arrow step that moves a
// large picture at a useful pace.
constexpr int kLeastBarExtent = 17;
constexpr int kArrowStep = 20;

}  // namespace

frmScroll::frmScroll(Program& program, MainWindow& mainWindow, std::function<void()> unload)
    : QDialog(nullptr, Qt::Window),
      program_(program),
      mainWindow_(mainWindow),
      unload_(std::move(unload)) {
    setObjectName(QStringLiteral("frmScroll"));
    setWindowModality(Qt::ApplicationModal);
    BuildControls();
    Form_Load();
}

void frmScroll::BuildControls() {
    // Made first, so that it lies beneath the full-size view, which covers it when shown.
    Image1_ = new StretchedPicture(this);
    Image1_->setObjectName(QStringLiteral("Image1"));
    Image1_->setAccessibleName(QStringLiteral("Picture fitted to the screen"));
    Image1_->setToolTip(kFittedHint);

    picParent_ = new QWidget(this);
    picParent_->setObjectName(QStringLiteral("picParent"));
    picParent_->setAccessibleName(QStringLiteral("Full-size view"));
    picParent_->setAutoFillBackground(true);
    picParent_->setToolTip(kFullSizeHint);
    picChild_ = new FullSizePicture(picParent_);
    picChild_->setObjectName(QStringLiteral("picChild"));
    picChild_->setAccessibleName(QStringLiteral("Picture at full size"));
    picChild_->setToolTip(kFullSizeHint);

    HScroll1_ = new QScrollBar(Qt::Horizontal, this);
    HScroll1_->setObjectName(QStringLiteral("HScroll1"));
    HScroll1_->setAccessibleName(QStringLiteral("Scroll sideways"));
    VScroll1_ = new QScrollBar(Qt::Vertical, this);
    VScroll1_->setObjectName(QStringLiteral("VScroll1"));
    VScroll1_->setAccessibleName(QStringLiteral("Scroll up and down"));
    const int extent =
        std::max(kLeastBarExtent, style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this));
    for (QScrollBar* bar : {HScroll1_, VScroll1_}) {
        bar->setRange(0, 0);
        bar->setSingleStep(kArrowStep);
    }
    HScroll1_->resize(HScroll1_->width(), extent);
    VScroll1_->resize(extent, VScroll1_->height());

    sscommand1_ = new QPushButton(QStringLiteral("X"), this);
    sscommand1_->setObjectName(QStringLiteral("sscommand1"));
    sscommand1_->setAccessibleDescription(QStringLiteral("Closes the viewer"));

    connect(HScroll1_, &QScrollBar::valueChanged, this, &frmScroll::HScroll1_Change);
    connect(VScroll1_, &QScrollBar::valueChanged, this, &frmScroll::VScroll1_Change);
    connect(sscommand1_, &QPushButton::clicked, this, &frmScroll::sscommand1_Click);
    for (QWidget* picture :
         {static_cast<QWidget*>(Image1_), picParent_, static_cast<QWidget*>(picChild_)}) {
        picture->installEventFilter(this);
    }
}

void frmScroll::Form_Load() {
    QWidget* main = mainWindow_.widget();
    main->setEnabled(false);
    move(main->pos());
    picParent_->hide();
    picChild_->hide();
    picChild_->move(0, 0);
    picChild_->show();
    picParent_->show();
}

void frmScroll::ShowPicture(const QPixmap& picture, const QString& caption,
                            const std::string& yearCaption) {
    yearCaption_ = yearCaption;
    const Screen& screen = program_.services.screen;
    const QSize screenSize(screen.widthPixels(), screen.heightPixels());
    resize(screenSize);
    picChild_->hide();
    picParent_->hide();
    picChild_->move(0, picChild_->y());
    HScroll1_->hide();
    VScroll1_->hide();
    picChild_->setPicture(picture);
    Image1_->setPicture(picture);
    Image1_->setGeometry(picChild_->x(), picChild_->y(), kFirstFittedWidth, picParent_->height());
    setWindowTitle(caption);
    // All four were hidden: the viewer opens in its full-size view.
    FlipFullSizeView();
    show();
    // The window with its frame is as large as the screen; the frame is known once shown.
    const QSize frame = frameGeometry().size() - geometry().size();
    resize(screenSize - frame);
    Form_Resize();
    raise();
    activateWindow();
}

void frmScroll::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Form_Resize();
}

void frmScroll::Form_Resize() {
    const ZoomLayout layout =
        LayOutZoomViewer(width(), height(), VScroll1_->width(), HScroll1_->height(),
                         picChild_->width(), picChild_->height());
    picParent_->setGeometry(PixelsOf(layout.picParent));
    const std::pair<QScrollBar*, const ZoomScrollBar*> bars[] = {{HScroll1_, &layout.horizontal},
                                                                 {VScroll1_, &layout.vertical}};
    HScroll1_->setGeometry(PixelsOf(layout.hScroll));
    VScroll1_->setGeometry(PixelsOf(layout.vScroll));
    for (const auto& [bar, rules] : bars) {
        bar->setMaximum(rules->maximum);
        bar->setEnabled(rules->enabled);
        if (rules->largeStep > 0) {
            bar->setPageStep(rules->largeStep);
        }
    }
    sscommand1_->setGeometry(PixelsOf(layout.closeButton));
    sscommand1_->setFocus();
}

void frmScroll::FlipFullSizeView() {
    for (QWidget* control : {static_cast<QWidget*>(HScroll1_), static_cast<QWidget*>(VScroll1_),
                             picParent_, static_cast<QWidget*>(picChild_)}) {
        control->setVisible(control->isHidden());
    }
}

void frmScroll::Image1_Click() {
    for (QWidget* control : {static_cast<QWidget*>(HScroll1_), static_cast<QWidget*>(VScroll1_),
                             picParent_, static_cast<QWidget*>(picChild_)}) {
        control->show();
    }
}

void frmScroll::picChild_Click() {
    FlipFullSizeView();
    Image1_->setGeometry(PixelsOf(FittedView(width(), height(), yearCaption_)));
}

void frmScroll::HScroll1_Change(int value) {
    picChild_->move(-value, picChild_->y());
}

void frmScroll::VScroll1_Change(int value) {
    picChild_->move(picChild_->x(), -value);
}

void frmScroll::sscommand1_Click() {
    unload_();
}

bool frmScroll::eventFilter(QObject* watched, QEvent* event) {
    const bool onPicture = watched == Image1_ || watched == picChild_;
    if (onPicture && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        unload_();
        return true;
    }
    if (onPicture && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* widget = static_cast<QWidget*>(watched);
        if (mouse->button() == Qt::LeftButton &&
            widget->rect().contains(mouse->position().toPoint())) {
            if (watched == Image1_) {
                Image1_Click();
            } else {
                picChild_Click();
            }
        }
        return true;
    }
    if ((watched == picChild_ || watched == picParent_) && event->type() == QEvent::Wheel) {
        // The wheel scrolls the full-size view; a sideways wheel or Shift scrolls across.
        const auto* wheel = static_cast<QWheelEvent*>(event);
        const QPoint delta = wheel->angleDelta();
        const bool across = std::abs(delta.x()) > std::abs(delta.y()) ||
                            wheel->modifiers().testFlag(Qt::ShiftModifier);
        QScrollBar* bar = across ? HScroll1_ : VScroll1_;
        if (bar->isEnabled()) {
            QApplication::sendEvent(bar, event);
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmScroll::closeEvent(QCloseEvent* event) {
    // The window's close box unloads it as the "X" button does.
    event->ignore();
    unload_();
}

void frmScroll::reject() {
    unload_();
}

}  // namespace velocarta
