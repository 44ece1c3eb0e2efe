#include "program/controls.h"

#include <QFontMetrics>
#include <QPushButton>

#include "program/caption_panel.h"

namespace velocarta {

namespace {

int TwipsToPixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

}  // namespace

QRect PixelsOf(const Rect& rect) {
    return {rect.left, rect.top, rect.width, rect.height};
}

QRect PixelsOfTwips(const Rect& rect) {
    const int left = TwipsToPixels(rect.left);
    const int top = TwipsToPixels(rect.top);
    return {left, top, TwipsToPixels(rect.right()) - left, TwipsToPixels(rect.bottom()) - top};
}

QPushButton* MakeCommandButton(QWidget* parent, const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

void FitCaption(QPushButton* button) {
    QFont font = button->parentWidget()->font();
    constexpr int kPadding = 12;
    while (font.pointSize() > 6 &&
           QFontMetrics(font).horizontalAdvance(button->text()) + kPadding > button->width()) {
        font.setPointSize(font.pointSize() - 1);
    }
    button->setFont(font);
}

QLabel* MakeCaptionPanel(QWidget* parent, const QString& name, const QString& caption,
                         const QString& description) {
    auto* panel = new CaptionPanel(caption, parent);
    panel->setObjectName(name);
    panel->setAccessibleDescription(description);
    return panel;
}

}  // namespace velocarta
