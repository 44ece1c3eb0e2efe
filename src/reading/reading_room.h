#pragma once

#include <string>

#include "content/on_show.h"
#include "program/main_window.h"
#include "reading/text_viewer.h"

namespace velocarta {

class Program;

// The reading room's share of the main window: the text viewer and the document entries
// of the Literature, Miscellaneous and Help menus.
class ReadingRoom : public MainWindowPart {
  public:
    ReadingRoom(Program& program, MainWindow& mainWindow);

    TextViewer& viewer() { return viewer_; }

    // A document entry of the menu bar (mnuBooks_Click, mnuMag_Click, ...): its document
    // in the viewer under its caption, or its code when it cannot be shown.
    void OpenMenuDocument(const std::string& menu, int index);

  private:
    Program& program_;
    TextViewer viewer_;
    OnShow::Subscription onShow_;
};

}  // namespace velocarta
