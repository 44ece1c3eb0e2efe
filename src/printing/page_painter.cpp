#include "printing/page_painter.h"

#include <QPaintEngine>
#include <QPainter>
#include <QTextItem>

namespace velocarta {

class PageFilterEngine final : public QPaintEngine {
  public:
    PageFilterEngine(QPainter& target, const QRectF& area)
        : QPaintEngine(QPaintEngine::AllFeatures), target_(target), area_(area) {}

    bool begin(QPaintDevice*) override {
        target_.save();
        target_.resetTransform();
        // The area is the only clip: clips of the document's own drawing are not needed on
        // paper, and one set here in device pixels stays put whatever is translated later.
        target_.setClipRect(area_);
        return true;
    }
    bool end() override {
        target_.restore();
        return true;
    }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState& state) override {
        const DirtyFlags flags = state.state();
        if (flags & DirtyTransform) {
            transform_ = state.transform();
            target_.setTransform(transform_);
        }
        if (flags & DirtyPen) {
            target_.setPen(state.pen());
        }
        if (flags & DirtyBrush) {
            target_.setBrush(state.brush());
        }
        if (flags & DirtyBrushOrigin) {
            target_.setBrushOrigin(state.brushOrigin());
        }
        if (flags & DirtyFont) {
            target_.setFont(state.font());
        }
        if (flags & DirtyBackground) {
            target_.setBackground(state.backgroundBrush());
        }
        if (flags & DirtyBackgroundMode) {
            target_.setBackgroundMode(state.backgroundMode());
        }
        if (flags & DirtyHints) {
            target_.setRenderHints(state.renderHints());
        }
        if (flags & DirtyCompositionMode) {
            target_.setCompositionMode(state.compositionMode());
        }
        if (flags & DirtyOpacity) {
            target_.setOpacity(state.opacity());
        }
    }

    void drawTextItem(const QPointF& position, const QTextItem& item) override {
        const QRectF box(position.x(), position.y() - item.ascent(), item.width(),
                         item.ascent() + item.descent());
        if (onPage(box)) {
            target_.drawTextItem(position, item);
        }
    }
    void drawPixmap(const QRectF& r, const QPixmap& pixmap, const QRectF& source) override {
        if (onPage(r)) {
            target_.drawPixmap(r, pixmap, source);
        }
    }
    void drawImage(const QRectF& r, const QImage& image, const QRectF& source,
                   Qt::ImageConversionFlags flags) override {
        if (onPage(r)) {
            target_.drawImage(r, image, source, flags);
        }
    }
    void drawTiledPixmap(const QRectF& r, const QPixmap& pixmap, const QPointF& offset) override {
        target_.drawTiledPixmap(r, pixmap, offset);
    }
    void drawRects(const QRectF* rects, int count) override { target_.drawRects(rects, count); }
    void drawRects(const QRect* rects, int count) override { target_.drawRects(rects, count); }
    void drawLines(const QLineF* lines, int count) override { target_.drawLines(lines, count); }
    void drawLines(const QLine* lines, int count) override { target_.drawLines(lines, count); }
    void drawEllipse(const QRectF& r) override { target_.drawEllipse(r); }
    void drawPath(const QPainterPath& path) override { target_.drawPath(path); }
    void drawPoints(const QPointF* points, int count) override {
        target_.drawPoints(points, count);
    }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
        switch (mode) {
            case PolylineMode:
                target_.drawPolyline(points, count);
                break;
            case WindingMode:
                target_.drawPolygon(points, count, Qt::WindingFill);
                break;
            case ConvexMode:
                target_.drawConvexPolygon(points, count);
                break;
            case OddEvenMode:
                target_.drawPolygon(points, count, Qt::OddEvenFill);
                break;
        }
    }

  private:
    // Whether a box of the current coordinates lies on the page; a line lies wholly on one
    // page, so a box that only touches the area belongs to the neighbouring page.
    bool onPage(const QRectF& box) const {
        const QRectF onDevice = transform_.mapRect(box);
        return area_.intersected(onDevice).height() > onDevice.height() / 2;
    }

    QPainter& target_;
    QRectF area_;
    QTransform transform_;
};

PagePainterDevice::PagePainterDevice(QPainter& target, const QRectF& area)
    : target_(target), engine_(std::make_unique<PageFilterEngine>(target, area)) {}

PagePainterDevice::~PagePainterDevice() = default;

QPaintEngine* PagePainterDevice::paintEngine() const {
    return engine_.get();
}

int PagePainterDevice::metric(PaintDeviceMetric metric) const {
    const QPaintDevice& device = *target_.device();
    switch (metric) {
        case PdmWidth:
            return device.width();
        case PdmHeight:
            return device.height();
        case PdmWidthMM:
            return device.widthMM();
        case PdmHeightMM:
            return device.heightMM();
        case PdmNumColors:
            return device.colorCount();
        case PdmDepth:
            return device.depth();
        case PdmDpiX:
            return device.logicalDpiX();
        case PdmDpiY:
            return device.logicalDpiY();
        case PdmPhysicalDpiX:
            return device.physicalDpiX();
        case PdmPhysicalDpiY:
            return device.physicalDpiY();
        case PdmDevicePixelRatio:
            return static_cast<int>(device.devicePixelRatio());
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(device.devicePixelRatioF() * devicePixelRatioFScale());
    }
    return 0;
}

}  // namespace velocarta
