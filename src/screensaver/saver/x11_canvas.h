#pragma once

#include <xcb/xcb.h>

#include <QImage>
#include <QSize>
#include <cstdint>

namespace velocarta {

// Draws pictures into an X window that is not the program's own: the root window, or the
// window xscreensaver gives its hacks. The picture is kept in a server-side pixmap, so that
// a part of the window that gets uncovered is drawn again at once. Uses a connection of its
// own to the display named in DISPLAY.
class X11Canvas {
  public:
    // window 0: the root window of the display's default screen. Throws std::runtime_error
    // when the display cannot be reached or has no such window, or when the window's
    // pixels are of a kind this canvas cannot write (other than 16, 24 or 32 bits deep).
    explicit X11Canvas(std::uint32_t window);
    ~X11Canvas();
    X11Canvas(const X11Canvas&) = delete;
    X11Canvas& operator=(const X11Canvas&) = delete;

    std::uint32_t window() const { return window_; }
    QSize size() const { return size_; }
    // The connection's socket: readable when the server has sent something.
    int fileDescriptor() const;

    // Shows a picture; one of another size than the window is drawn from its top left
    // corner.
    void show(const QImage& picture);
    // Gives the window back its own background (the desktop's, for the root window).
    void clear();

    // Handles what the server has sent: exposed parts are drawn again.
    struct Changes {
        bool resized = false;  // size() is new: the picture should be made again
        bool gone = false;     // the window or the connection has gone
    };
    Changes handleEvents();

  private:
    void putImage(QImage& image);
    void copyToWindow(int x, int y, int width, int height);

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t window_ = 0;
    xcb_gcontext_t gc_ = 0;
    xcb_pixmap_t pixmap_ = 0;
    QSize pixmapSize_;
    QSize size_;
    std::uint8_t depth_ = 0;
    std::uint8_t bitsPerPixel_ = 0;
    bool swapRedBlue_ = false;
    bool mostSignificantByteFirst_ = false;
};

}  // namespace velocarta
