#pragma once

#include <QPaintDevice>
#include <QRectF>
#include <memory>

class QPainter;

namespace velocarta {

class PageFilterEngine;

// A paint device that paints onto a page of another device, inside `area` (device
// pixels) only. Text and pictures that fall outside the area are dropped, not merely
// clipped: a printed page then holds no invisible copy of a line that belongs to the page
// before or after it.
class PagePainterDevice : public QPaintDevice {
  public:
    PagePainterDevice(QPainter& target, const QRectF& area);
    ~PagePainterDevice() override;
    QPaintEngine* paintEngine() const override;

  protected:
    int metric(PaintDeviceMetric metric) const override;

  private:
    QPainter& target_;
    std::unique_ptr<PageFilterEngine> engine_;
};

}  // namespace velocarta
