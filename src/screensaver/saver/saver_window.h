#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <optional>

namespace velocarta {

// The screen saver's own full-screen window: the photo on a black screen, no mouse pointer.
// Any key, any mouse button or wheel, and moving the mouse end it.
class SaverWindow : public QWidget {
    Q_OBJECT

  public:
    SaverWindow();

    // The photo to show; a null one shows `message` instead.
    void setPicture(const QImage& photo, const QString& message);
    // The size of the pictures it shows, in device pixels.
    QSize pictureSize() const;

  signals:
    // The user touched a key or the mouse.
    void finished();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    QImage photo_;
    QString message_;
    QImage frame_;  // the photo composed for the window's size, drawn until either changes
    // Where the pointer was first seen: a window that appears under it may report a move
    // without the mouse being touched.
    std::optional<QPoint> pointerOrigin_;
};

// How far the pointer must move, in pixels, to end the screen saver.
inline constexpr int kSaverMovementPixels = 4;

}  // namespace velocarta
