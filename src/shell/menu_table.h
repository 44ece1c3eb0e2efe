#pragma once

#include <span>
#include <string_view>

namespace velocarta {

// One entry of the main window's menu bar. Level 0 entries are on the bar itself (a menu,
// or a command such as "SlideShow"); level 1 entries are in a menu, level 2 in a submenu.
// Entries of one control array share a name and differ by index; others have index -1.
struct MenuEntry {
    std::string_view name;
    int index;
    std::string_view caption;  // "-" is a separator
    int level;
    bool enabled;  // at start
    bool visible;
};

// The whole menu bar in display order.
std::span<const MenuEntry> MenuBarEntries();

}  // namespace velocarta
