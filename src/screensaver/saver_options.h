#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velocarta {

// Where the screen saver program draws.
enum class SaverTarget {
    OwnWindow,  // a full-screen window of its own, which any key or mouse movement ends
    Root,       // the screen's root window
    Window,     // a window of another program (xscreensaver's), given by its X window id
};

// The screen saver program's command line. As an xscreensaver hack it is started with
// "-root" (xscreensaver then names its own window in XSCREENSAVER_WINDOW) or with
// "-window-id ID". "-folder", "-interval" and "-settings" take the place of what the settings
// file says.
struct SaverOptions {
    SaverTarget target = SaverTarget::OwnWindow;
    std::uint32_t windowId = 0;
    std::optional<std::string> photoFolder;
    std::optional<int> intervalSeconds;
    std::optional<std::string> settingsFile;
    bool help = false;
    std::string error;  // what is wrong with the command line; "" when nothing is
};

// `arguments` without the program name; `xscreensaverWindow` is XSCREENSAVER_WINDOW ("" when
// not set). Options may begin with one dash or two and take their value as the next
// argument or after '='.
SaverOptions ParseSaverArguments(const std::vector<std::string>& arguments,
                                 std::string_view xscreensaverWindow);

// An X window id in decimal or hexadecimal ("0x2a00007"); nothing for anything else, 0
// included.
std::optional<std::uint32_t> ParseWindowId(std::string_view text);

// What "-help" prints.
std::string SaverUsage(std::string_view programName);

}  // namespace velocarta
