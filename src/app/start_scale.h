#pragma once

#include <QByteArray>
#include <optional>

#include "shell/display_scale.h"

namespace velocarta {

// Draws the program larger or smaller than designed: Qt's own high-DPI scaling with one
// factor for every window, so that text is laid out and drawn at the new size, pictures are
// decoded at device pixels, and the layout rules see the screen in logical pixels (the
// real screen divided by the factor). Qt takes the factor only while its application
// object starts (QT_SCALE_FACTOR); the fitted factor needs the size of the screen first,
// so a short-lived QGuiApplication measures the primary screen before the real one is made.
// The factor multiplies whatever scaling the desktop itself asks of Qt programs.
class StartScale {
  public:
    // For the QApplication made next from `argc` and `argv` (which this does not change).
    StartScale(const ScaleChoice& choice, int argc, char** argv);
    // Once the QApplication exists: the environment as it was, so that the programs this
    // one starts (the screen saver, help) are not scaled by it.
    void restoreEnvironment();
    // The factor this program applies on top of the desktop's.
    double factor() const { return factor_; }

  private:
    double factor_ = 1.0;
    bool changed_ = false;
    std::optional<QByteArray> previous_;
};

}  // namespace velocarta
