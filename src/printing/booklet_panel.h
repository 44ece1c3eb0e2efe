#pragma once

#include <array>

#include "program/main_window.h"

class QFrame;
class QListWidget;

namespace velocarta {

class Program;

// The booklet panel of the main window, with its two year lists.
class BookletPanel : public MainWindowPart {
  public:
    BookletPanel(Program& program, MainWindow& mainWindow);

    // The two year lists: 1964 .. 1999, then 2000, filled once at start-up.
    void FillYearLists();

  private:
    QFrame* pnlPrint_ = nullptr;
    std::array<QListWidget*, 2> List1_{};
};

}  // namespace velocarta
