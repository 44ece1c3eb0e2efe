#pragma once

#include <QtGui/qwindowdefs.h>

#include <optional>
#include <string>

namespace velocarta::testing {

// A window's title as the X server holds it for window managers, task bars and screen
// readers: its _NET_WM_NAME property (UTF8_STRING), read over a connection of its own as any
// other client would. The application's requests so far are carried out first, so a title
// just set is there. nullopt when the window has no such property. Throws
// std::runtime_error when the application does not run on X11 (QT_QPA_PLATFORM=xcb) or the
// X server cannot be asked. Tests that use it are registered with
// velocarta_add_test(... X11 ...), which gives them an X server of their own.
std::optional<std::string> X11WindowName(WId window);

}  // namespace velocarta::testing
