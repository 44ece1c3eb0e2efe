#include "screensaver/saver/x11_canvas.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>

namespace velocarta {

namespace {

template <class Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <class Reply>
ReplyPtr<Reply> Take(Reply* reply) {
    return ReplyPtr<Reply>(reply, &std::free);
}

std::string Hex(std::uint32_t id) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%x", id);
    return text;
}

const xcb_visualtype_t* FindVisual(const xcb_setup_t* setup, xcb_window_t root,
                                   xcb_visualid_t visual) {
    for (auto screens = xcb_setup_roots_iterator(setup); screens.rem; xcb_screen_next(&screens)) {
        if (screens.data->root != root) {
            continue;
        }
        for (auto depths = xcb_screen_allowed_depths_iterator(screens.data); depths.rem;
             xcb_depth_next(&depths)) {
            for (auto visuals = xcb_depth_visuals_iterator(depths.data); visuals.rem;
                 xcb_visualtype_next(&visuals)) {
                if (visuals.data->visual_id == visual) {
                    return visuals.data;
                }
            }
        }
    }
    return nullptr;
}

}  // namespace

X11Canvas::X11Canvas(std::uint32_t window) {
    int screenNumber = 0;
    connection_ = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection_) != 0) {
        xcb_disconnect(connection_);
        connection_ = nullptr;
        throw std::runtime_error("cannot reach the X display");
    }
    const xcb_setup_t* setup = xcb_get_setup(connection_);
    if (window == 0) {
        auto screens = xcb_setup_roots_iterator(setup);
        for (int i = 0; i < screenNumber && screens.rem; ++i) {
            xcb_screen_next(&screens);
        }
        window = screens.data->root;
    }
    window_ = window;
    // Exposures and size changes of the window reach this connection too. Asked for before
    // the size is read, so that no change falls between the two.
    const std::uint32_t events = XCB_EVENT_MASK_EXPOSURE | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, window_, XCB_CW_EVENT_MASK, &events);

    auto geometry =
        Take(xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window_), nullptr));
    auto attributes = Take(xcb_get_window_attributes_reply(
        connection_, xcb_get_window_attributes(connection_, window_), nullptr));
    if (!geometry || !attributes) {
        xcb_disconnect(connection_);
        connection_ = nullptr;
        throw std::runtime_error("there is no X window " + Hex(window));
    }
    size_ = QSize(geometry->width, geometry->height);
    depth_ = geometry->depth;
    for (auto formats = xcb_setup_pixmap_formats_iterator(setup); formats.rem;
         xcb_format_next(&formats)) {
        if (formats.data->depth == depth_) {
            bitsPerPixel_ = formats.data->bits_per_pixel;
        }
    }
    const xcb_visualtype_t* visual = FindVisual(setup, geometry->root, attributes->visual);
    const bool trueColour = visual != nullptr && visual->_class == XCB_VISUAL_CLASS_TRUE_COLOR;
    if (!trueColour || !((depth_ == 16 && bitsPerPixel_ == 16) ||
                         ((depth_ == 24 || depth_ == 32) && bitsPerPixel_ == 32))) {
        xcb_disconnect(connection_);
        connection_ = nullptr;
        throw std::runtime_error("cannot draw into X window " + Hex(window) + " of depth " +
                                 std::to_string(depth_));
    }
    swapRedBlue_ = bitsPerPixel_ == 32 && visual->red_mask == 0xff;
    mostSignificantByteFirst_ = setup->image_byte_order == XCB_IMAGE_ORDER_MSB_FIRST;

    gc_ = xcb_generate_id(connection_);
    const std::uint32_t noExposures = 0;
    xcb_create_gc(connection_, gc_, window_, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
    xcb_flush(connection_);
}

X11Canvas::~X11Canvas() {
    if (connection_ == nullptr) {
        return;
    }
    if (pixmap_ != 0) {
        xcb_free_pixmap(connection_, pixmap_);
    }
    xcb_free_gc(connection_, gc_);
    xcb_disconnect(connection_);
}

int X11Canvas::fileDescriptor() const {
    return xcb_get_file_descriptor(connection_);
}

void X11Canvas::show(const QImage& picture) {
    if (size_.isEmpty()) {
        return;
    }
    if (pixmap_ == 0 || pixmapSize_ != size_) {
        if (pixmap_ != 0) {
            xcb_free_pixmap(connection_, pixmap_);
        }
        pixmap_ = xcb_generate_id(connection_);
        xcb_create_pixmap(connection_, depth_, pixmap_, window_,
                          static_cast<std::uint16_t>(size_.width()),
                          static_cast<std::uint16_t>(size_.height()));
        pixmapSize_ = size_;
    }
    QImage image(size_, bitsPerPixel_ == 32 ? QImage::Format_RGB32 : QImage::Format_RGB16);
    image.fill(Qt::black);
    {
        const QImage converted = picture.convertToFormat(image.format());
        for (int y = 0; y < std::min(image.height(), converted.height()); ++y) {
            std::memcpy(
                image.scanLine(y), converted.constScanLine(y),
                static_cast<std::size_t>(std::min(image.bytesPerLine(), converted.bytesPerLine())));
        }
    }
    if (swapRedBlue_) {
        image = std::move(image).rgbSwapped();
    }
    putImage(image);
    copyToWindow(0, 0, size_.width(), size_.height());
    xcb_flush(connection_);
}

void X11Canvas::putImage(QImage& image) {
    if (mostSignificantByteFirst_) {
        for (int y = 0; y < image.height(); ++y) {
            uchar* line = image.scanLine(y);
            const int bytes = bitsPerPixel_ / 8;
            for (int x = 0; x < image.width(); ++x) {
                std::reverse(line + x * bytes, line + (x + 1) * bytes);
            }
        }
    }
    // A request may carry only so many bytes: the picture goes in bands of whole lines.
    const std::size_t maxBytes =
        static_cast<std::size_t>(xcb_get_maximum_request_length(connection_)) * 4;
    const std::size_t line = static_cast<std::size_t>(image.bytesPerLine());
    const int rows = static_cast<int>(std::max<std::size_t>(1, (maxBytes - 64) / line));
    for (int top = 0; top < image.height(); top += rows) {
        const int band = std::min(rows, image.height() - top);
        xcb_put_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap_, gc_,
                      static_cast<std::uint16_t>(image.width()), static_cast<std::uint16_t>(band),
                      0, static_cast<std::int16_t>(top), 0, depth_,
                      static_cast<std::uint32_t>(line * static_cast<std::size_t>(band)),
                      image.constScanLine(top));
    }
}

void X11Canvas::copyToWindow(int x, int y, int width, int height) {
    if (pixmap_ == 0) {
        return;
    }
    xcb_copy_area(connection_, pixmap_, window_, gc_, static_cast<std::int16_t>(x),
                  static_cast<std::int16_t>(y), static_cast<std::int16_t>(x),
                  static_cast<std::int16_t>(y), static_cast<std::uint16_t>(width),
                  static_cast<std::uint16_t>(height));
}

void X11Canvas::clear() {
    xcb_clear_area(connection_, 0, window_, 0, 0, 0, 0);
    xcb_flush(connection_);
}

X11Canvas::Changes X11Canvas::handleEvents() {
    Changes changes;
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
        switch (event->response_type & 0x7f) {
            case 0: {  // an error: the window has gone under us
                const auto* error = reinterpret_cast<xcb_generic_error_t*>(event);
                if (error->error_code == XCB_WINDOW || error->error_code == XCB_DRAWABLE) {
                    changes.gone = true;
                }
                break;
            }
            case XCB_EXPOSE: {
                const auto* expose = reinterpret_cast<xcb_expose_event_t*>(event);
                if (expose->window == window_) {
                    copyToWindow(expose->x, expose->y, expose->width, expose->height);
                }
                break;
            }
            case XCB_CONFIGURE_NOTIFY: {
                const auto* configure = reinterpret_cast<xcb_configure_notify_event_t*>(event);
                const QSize size(configure->width, configure->height);
                if (configure->window == window_ && size != size_) {
                    size_ = size;
                    changes.resized = true;
                }
                break;
            }
            case XCB_DESTROY_NOTIFY:
                if (reinterpret_cast<xcb_destroy_notify_event_t*>(event)->window == window_) {
                    changes.gone = true;
                }
                break;
            default:
                break;
        }
        std::free(event);
    }
    if (xcb_connection_has_error(connection_) != 0) {
        changes.gone = true;
    }
    xcb_flush(connection_);
    return changes;
}

}  // namespace velocarta
