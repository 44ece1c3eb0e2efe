#pragma once

#include <QPointer>
#include <QWidget>
#include <vector>

namespace velocarta {

class MainWindow;

// Keeps the user out of the main window while long work runs, except for one panel of it
// (whose Cancel must answer): the menu bar and every other control on the window's surface
// are disabled, and the ones that were enabled before are enabled again when this goes.
class BusyMainWindow {
  public:
    // `keep` lies directly on the window's surface.
    BusyMainWindow(MainWindow& window, QWidget* keep);
    ~BusyMainWindow();
    BusyMainWindow(const BusyMainWindow&) = delete;
    BusyMainWindow& operator=(const BusyMainWindow&) = delete;

  private:
    void disable(QWidget* widget);

    std::vector<QPointer<QWidget>> disabled_;
};

}  // namespace velocarta
