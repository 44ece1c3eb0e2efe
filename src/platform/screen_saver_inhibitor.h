#pragma once

#include <string>

namespace velocarta {

// Holds the desktop's screen saver and screen blanking off while something is being
// watched. Where the desktop offers no way to do so, nothing is held and the program goes
// on without it: neither call throws or waits long.
class ScreenSaverInhibitor {
  public:
    virtual ~ScreenSaverInhibitor() = default;
    // application and reason are shown by desktops that list who holds the screen on.
    // While already held, a second call does nothing. True when the screen is held on.
    virtual bool inhibit(const std::string& application, const std::string& reason) = 0;
    // Lets the screen saver run again; nothing when nothing is held.
    virtual void release() = 0;
    virtual bool held() const = 0;
};

}  // namespace velocarta
