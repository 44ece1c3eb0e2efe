#pragma once

#include <memory>
#include <string>

#include "content/content_file.h"

namespace velocarta {

class MainWindow;
class Program;
class txtForm;

// The one window every rich-text document is read in. It shows one document at a time,
// modally over the main window; every close unloads it, so that the next document takes
// its own caption.
class TextViewer {
  public:
    TextViewer(Program& program, MainWindow& mainWindow);
    ~TextViewer();
    TextViewer(const TextViewer&) = delete;
    TextViewer& operator=(const TextViewer&) = delete;

    // Shows the document under the caption. False when it cannot be shown; the caller
    // reports that with its own code, and no viewer stays open.
    bool Open(const ContentFile& document, const std::string& caption);
    // Unloads the viewer, enables the main window and gives the focus to the year button
    // after the year on show.
    void Close();
    // Unloads the viewer and nothing more.
    void Unload();
    bool isOpen() const { return window_ != nullptr; }

  private:
    Program& program_;
    MainWindow& mainWindow_;
    std::unique_ptr<txtForm> window_;
};

}  // namespace velocarta
