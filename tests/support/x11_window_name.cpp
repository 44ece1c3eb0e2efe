#include "support/x11_window_name.h"

#include <QGuiApplication>

#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string_view>

#include <xcb/xcb.h>

namespace velocarta::testing {

namespace {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, FreeReply>;

struct Disconnect {
    void operator()(xcb_connection_t* connection) const { xcb_disconnect(connection); }
};

xcb_atom_t Atom(xcb_connection_t* connection, std::string_view name) {
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(
        connection, /*only_if_exists=*/0, static_cast<uint16_t>(name.size()), name.data());
    const ReplyPtr<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr));
    if (!reply) {
        throw std::runtime_error("the X server did not name the atom " + std::string(name));
    }
    return reply->atom;
}

// Waits until the X server has carried out every request the application sent so far.
void CompleteApplicationRequests() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 == nullptr) {
        throw std::runtime_error("the application does not run on X11 (QT_QPA_PLATFORM=xcb)");
    }
    xcb_connection_t* connection = x11->connection();
    const ReplyPtr<xcb_get_input_focus_reply_t> roundTrip(
        xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    if (!roundTrip) {
        throw std::runtime_error("the application's X connection does not answer");
    }
}

}  // namespace

std::optional<std::string> X11WindowName(WId window) {
    CompleteApplicationRequests();
    const std::unique_ptr<xcb_connection_t, Disconnect> server(xcb_connect(nullptr, nullptr));
    if (xcb_connection_has_error(server.get()) != 0) {
        throw std::runtime_error("cannot connect to the X server of DISPLAY");
    }
    const xcb_atom_t netWmName = Atom(server.get(), "_NET_WM_NAME");
    const xcb_atom_t utf8String = Atom(server.get(), "UTF8_STRING");
    // Up to 256 KiB of title, far beyond any caption.
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(server.get(), /*_delete=*/0, static_cast<xcb_window_t>(window), netWmName,
                         utf8String, 0, 1U << 16);
    const ReplyPtr<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(server.get(), cookie, nullptr));
    if (!reply) {
        throw std::runtime_error("the X server has no window " + std::to_string(window));
    }
    if (reply->type == XCB_ATOM_NONE) {
        return std::nullopt;
    }
    if (reply->type != utf8String || reply->format != 8 || reply->bytes_after != 0) {
        throw std::runtime_error("_NET_WM_NAME of the window is not one UTF8_STRING");
    }
    return std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
                       static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
}

}  // namespace velocarta::testing
