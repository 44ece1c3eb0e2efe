#pragma once

#include <QPixmap>
#include <QWidget>

namespace velocarta {

// The fitted view: the picture stretched to the control's size. The stretched copy is made
// once per size, so that showing the view again costs only a paint.
class StretchedPicture : public QWidget {
    Q_OBJECT

  public:
    explicit StretchedPicture(QWidget* parent = nullptr);
    void setPicture(const QPixmap& picture);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPixmap picture_;
    QPixmap stretched_;
};

// The picture at its full size, one picture pixel to a screen pixel; as large as the
// picture. Moving it inside its viewport scrolls it: only the part that comes into view
// is painted, straight from the picture.
class FullSizePicture : public QWidget {
    Q_OBJECT

  public:
    explicit FullSizePicture(QWidget* parent = nullptr);
    void setPicture(const QPixmap& picture);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPixmap picture_;
};

}  // namespace velocarta
