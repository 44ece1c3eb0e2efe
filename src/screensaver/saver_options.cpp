#include "screensaver/saver_options.h"

#include <charconv>

#include "screensaver/saver_show.h"

namespace velocarta {

std::optional<std::uint32_t> ParseWindowId(std::string_view text) {
    int base = 10;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        text.remove_prefix(2);
        base = 16;
    }
    std::uint32_t id = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || id == 0) {
        return std::nullopt;
    }
    return id;
}

SaverOptions ParseSaverArguments(const std::vector<std::string>& arguments,
                                 std::string_view xscreensaverWindow) {
    SaverOptions options;
    auto fail = [&options](std::string message) {
        if (options.error.empty()) {
            options.error = std::move(message);
        }
    };
    for (std::size_t i = 0; i < arguments.size() && options.error.empty(); ++i) {
        std::string_view name = arguments[i];
        if (!name.starts_with('-')) {
            fail("unexpected argument \"" + arguments[i] + "\"");
            break;
        }
        name.remove_prefix(name.starts_with("--") ? 2 : 1);
        std::optional<std::string> inlineValue;
        if (const std::size_t equals = name.find('='); equals != std::string_view::npos) {
            inlineValue = std::string(name.substr(equals + 1));
            name = name.substr(0, equals);
        }
        auto value = [&]() -> std::optional<std::string> {
            if (inlineValue) {
                return inlineValue;
            }
            if (i + 1 < arguments.size()) {
                return arguments[++i];
            }
            fail("-" + std::string(name) + " needs a value");
            return std::nullopt;
        };

        if (name == "root") {
            options.target = SaverTarget::Root;
        } else if (name == "window-id") {
            if (const auto text = value()) {
                if (const auto id = ParseWindowId(*text)) {
                    options.target = SaverTarget::Window;
                    options.windowId = *id;
                } else {
                    fail("not a window id: \"" + *text + "\"");
                }
            }
        } else if (name == "folder") {
            if (const auto text = value()) {
                options.photoFolder = *text;
            }
        } else if (name == "interval") {
            if (const auto text = value()) {
                options.intervalSeconds = ParseSaverInterval(*text);
                if (!options.intervalSeconds) {
                    fail("not a number of seconds: \"" + *text + "\"");
                }
            }
        } else if (name == "settings") {
            if (const auto text = value()) {
                options.settingsFile = *text;
            }
        } else if (name == "help" || name == "h") {
            options.help = true;
        } else {
            fail("unknown option \"" + arguments[i] + "\"");
        }
    }
    // xscreensaver names the window it wants drawn on; "-root" then means that window.
    if (options.target == SaverTarget::Root) {
        if (const auto id = ParseWindowId(xscreensaverWindow)) {
            options.target = SaverTarget::Window;
            options.windowId = *id;
        }
    }
    return options;
}

std::string SaverUsage(std::string_view programName) {
    return "Usage: " + std::string(programName) +
           " [-root | -window-id ID] [-folder DIR] [-interval SECONDS] [-settings FILE]\n"
           "The Vantrel Velocarta 2000 screen saver: shows the JPEG photos of a folder one\n"
           "after the other, each for the interval.\n"
           "  (no target)      a full-screen window; any key or mouse movement ends it\n"
           "  -root            draws on the root window (or on XSCREENSAVER_WINDOW)\n"
           "  -window-id ID    draws into the X window ID (decimal or 0x hexadecimal)\n"
           "  -folder DIR      the photo folder, instead of VantrelPath of the settings\n"
           "  -interval N      seconds per photo, instead of Interval of the settings\n"
           "  -settings FILE   the settings file (default: Vantrel2000.ini in\n"
           "                   $XDG_CONFIG_HOME/velocarta or ~/.config/velocarta)\n";
}

}  // namespace velocarta
