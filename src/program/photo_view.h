#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace velocarta {

// The photo control: shows a picture scaled to fit, never distorted, drawn at the screen's
// real pixels so that it stays sharp on high-density screens. Reports mouse presses; the
// second press of a double click is not a press of its own.
class PhotoView : public QWidget {
    Q_OBJECT

  public:
    explicit PhotoView(QWidget* parent = nullptr);

    void setImage(const QImage& image);
    void clear();
    const QImage& image() const { return image_; }
    bool hasImage() const { return !image_.isNull(); }
    // Where the picture is drawn, in the widget's coordinates.
    QRect pictureRect() const;

  signals:
    void pressed(Qt::MouseButton button);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    QImage image_;
    QPixmap scaled_;  // the image at the size last drawn, in device pixels
};

}  // namespace velocarta
