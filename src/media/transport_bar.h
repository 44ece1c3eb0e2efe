#pragma once

#include <QFrame>

#include "platform/qt/media_device.h"

class QPushButton;

namespace velocarta {

// The movie window's device control: Play, Pause and Stop for the movie that is open. It
// only tells what was pressed; the window sends the device its commands in reply. The
// buttons that make sense for the device's mode are enabled, as on a tape deck.
class TransportBar final : public QFrame {
    Q_OBJECT

  public:
    explicit TransportBar(QWidget* parent);

    void showMode(DeviceMode mode);

  signals:
    void playPressed();
    void pausePressed();
    void stopPressed();

  private:
    QPushButton* play_ = nullptr;
    QPushButton* pause_ = nullptr;
    QPushButton* stop_ = nullptr;
};

}  // namespace velocarta
