#include "program/gauge.h"

#include <QCoreApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

#include "program/program.h"

namespace velocarta {

Gauge::Gauge(QWidget* parent, const QString& name, const QString& accessibleName)
    : QProgressBar(parent) {
    setObjectName(name);
    setAccessibleName(accessibleName);
    setRange(0, 100);
    setValue(0);
    setTextVisible(true);
}

void Gauge::setFloodPercent(int percent) {
    setValue(std::clamp(percent, 0, 100));
}

void Gauge::setCaption(const QString& caption) {
    if (caption == caption_) {
        return;
    }
    caption_ = caption;
    update();
}

void Gauge::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.lineWidth = 1;
    frame.state |= QStyle::State_Sunken;
    style()->drawPrimitive(QStyle::PE_Frame, &frame, &painter, this);

    const QRect inside = rect().adjusted(2, 2, -2, -2);
    painter.fillRect(inside, palette().color(QPalette::Base));
    QRect flood = inside;
    flood.setWidth(inside.width() * floodPercent() / 100);
    painter.fillRect(flood, palette().color(QPalette::Highlight));

    // The caption in the window's text colour, and again in the fill's text colour over the
    // fill, so that it reads wherever the fill has come to.
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(inside, Qt::AlignCenter, caption_);
    painter.setClipRect(flood);
    painter.setPen(palette().color(QPalette::HighlightedText));
    painter.drawText(inside, Qt::AlignCenter, caption_);
}

FileCopyOutcome CopyFileWithGauge(Program& program, const ContentFile& source,
                                  const ContentFile& target, Gauge& gauge) {
    Services& services = program.services;
    return velocarta::CopyFileWithGauge(
        services.fileSystem, services.fileCopier, source, target, [&](int percent) {
            gauge.setFloodPercent(percent);
            // Painting and the window system only: what
            // is on show must not change under the copy.
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            return !program.ended();
        });
}

}  // namespace velocarta
