#pragma once

#include <QPixmap>
#include <memory>
#include <string>

namespace velocarta {

class MainWindow;
class Program;
class frmScroll;

// The one zoom viewer of the program. Opening it disables the main window; every close
// unloads it, enables the main window again and gives the focus back to the year buttons.
class ZoomViewer {
  public:
    ZoomViewer(Program& program, MainWindow& mainWindow);
    ~ZoomViewer();
    ZoomViewer(const ZoomViewer&) = delete;
    ZoomViewer& operator=(const ZoomViewer&) = delete;

    // Shows the picture under the window caption; `yearCaption` (the caption of the year
    // panel) decides the shape of the fitted view.
    void Open(const QPixmap& picture, const std::string& caption, const std::string& yearCaption);
    void Close();
    bool isOpen() const { return window_ != nullptr; }

  private:
    Program& program_;
    MainWindow& mainWindow_;
    std::unique_ptr<frmScroll> window_;
};

}  // namespace velocarta
