#pragma once

#include <functional>
#include <string_view>

#include "shell/main_layout.h"

class QAction;
class QWidget;

namespace velocarta {

// The main window as its parts see it. The window owns the designed surface, the frame
// of the year buttons, the menu bar and the layout; each part creates its own controls
// on the surface, registers its own menu handlers and reacts to the window's own events.
class MainWindow {
  public:
    virtual ~MainWindow() = default;

    // The window itself: parent of dialogs; disabled while long work runs.
    virtual QWidget* widget() = 0;
    // The designed area, in pixels: where the parts place their controls.
    virtual QWidget* surface() = 0;
    // Frame1, the frame of the year buttons, whose inner coordinates are twips.
    virtual QWidget* yearFrame() = 0;
    virtual const MainLayout& layout() const = 0;

    // A menu entry by its control name and, for control arrays, its index.
    virtual QAction* menuEntry(std::string_view name, int index = -1) const = 0;
    // Runs the handler with the entry's index when an entry of that name is chosen.
    virtual void onMenu(std::string_view name, std::function<void(int index)> handler) = 0;

    // A click on the bare window (press and release on no control), and the window losing
    // the focus to another window.
    virtual void onFormClick(std::function<void()> handler) = 0;
    virtual void onFormLostFocus(std::function<void()> handler) = 0;

    // Gives the keyboard focus to year button `index` (1 .. 37).
    virtual void focusYearButton(int index) = 0;
};

// One subsystem's share of the main window.
class MainWindowPart {
  public:
    virtual ~MainWindowPart() = default;
    // Places the part's controls for the window's layout (the designed one, or the one for
    // screens other than 800 by 600). Parts without controls on the surface keep this.
    virtual void applyLayout(const MainLayout& /*layout*/) {}
};

}  // namespace velocarta
