#pragma once

#include <QVideoFrame>
#include <QWidget>

namespace velocarta {

// Draws a movie's frames, scaled to fit and centred on black. Inside a display window it
// covers the window's contents (inside any frame) and follows its size; without one it is
// a window of its own.
class VideoSurface final : public QWidget {
    Q_OBJECT

  public:
    // `display` nullptr: a window of its own, `nativeSize` large.
    VideoSurface(QWidget* display, QSize nativeSize);

    void setFrame(const QVideoFrame& frame);
    const QVideoFrame& frame() const { return frame_; }
    QSize sizeHint() const override { return nativeSize_; }

  signals:
    // A frame was drawn on the screen.
    void frameShown();
    // The user closed the surface's own window.
    void closedByUser();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QVideoFrame frame_;
    QSize nativeSize_;
};

}  // namespace velocarta
