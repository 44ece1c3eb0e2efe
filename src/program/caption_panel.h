#pragma once

#include <QLabel>

namespace velocarta {

// A panel with a caption: a sunken label whose caption is drawn in a smaller size where it
// would not fit whole ("Franklin Mint Collector Knives " on the narrow year panel).
class CaptionPanel : public QLabel {
    Q_OBJECT

  public:
    CaptionPanel(const QString& caption, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace velocarta
