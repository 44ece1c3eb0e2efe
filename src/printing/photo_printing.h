#pragma once

#include "program/main_window.h"

namespace velocarta {

class Program;

// The File menu's Print Photo, which prints the photo on show under a short heading, and
// Print Setup, which chooses the printer for every later print of the run.
class PhotoPrinting : public MainWindowPart {
  public:
    PhotoPrinting(Program& program, MainWindow& mainWindow);

  private:
    void mnuPrintPhoto_Click();
    void mnuPrint_Click();

    Program& program_;
    MainWindow& mainWindow_;
};

}  // namespace velocarta
