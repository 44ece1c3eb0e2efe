#pragma once

namespace velocarta {

// Makes screen readers present the program's own top-level windows built on a plain widget
// (the start-up window, the movie window, the screen saver's photo list) as windows or
// dialogs, titled as on screen. Without it they reach the accessibility bus as "filler"
// panes that a reader does not announce. Safe to call more than once.
void PresentWindowsAsWindows();

}  // namespace velocarta
