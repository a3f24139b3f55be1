#include "window_frame.h"

#include "x11_connection.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <string_view>
#include <thread>

namespace vh {
namespace {

// How long a window manager may take to tell a new window's frame size.
constexpr auto kFrameExtentsDeadline = std::chrono::milliseconds(500);

XcbReply<xcb_get_property_reply_t> GetProperty(xcb_connection_t* connection, xcb_window_t window,
                                               xcb_atom_t property, xcb_atom_t type,
                                               std::uint32_t length) {
    return XcbReply<xcb_get_property_reply_t>(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, property, type, 0, length), nullptr));
}

bool WindowManagerSupports(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t feature) {
    const auto supported = GetProperty(connection, root, InternAtom(connection, "_NET_SUPPORTED"),
                                       XCB_ATOM_ATOM, 1024);
    if (!supported || supported->format != 32) {
        return false;
    }
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(supported.get()));
    const int count = xcb_get_property_value_length(supported.get()) / 4;
    return std::find(atoms, atoms + count, feature) != atoms + count;
}

// Asks the window manager which frame it will draw around the unmapped window
// (EWMH _NET_REQUEST_FRAME_EXTENTS), so that the outer size is right from the
// first map instead of being corrected after the window has appeared. Without
// an X11 window manager that answers, there is no frame.
QMargins RequestFrameExtents(QWidget& window) {
    xcb_connection_t* connection = X11Connection();
    if (connection == nullptr) {
        return {};
    }
    const auto id = static_cast<xcb_window_t>(window.winId());
    const XcbReply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr));
    if (!geometry) {
        return {};
    }
    const xcb_atom_t request = InternAtom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    if (!WindowManagerSupports(connection, geometry->root, request)) {
        return {};
    }

    xcb_client_message_event_t message;
    std::memset(&message, 0, sizeof message);
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = request;
    xcb_send_event(connection, 0, geometry->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));

    // Poll with round trips rather than wait for the PropertyNotify: the event
    // belongs to the toolkit's own event queue.
    const xcb_atom_t extents = InternAtom(connection, "_NET_FRAME_EXTENTS");
    const auto deadline = std::chrono::steady_clock::now() + kFrameExtentsDeadline;
    while (std::chrono::steady_clock::now() < deadline) {
        const auto reply = GetProperty(connection, id, extents, XCB_ATOM_CARDINAL, 4);
        if (reply && reply->format == 32 && xcb_get_property_value_length(reply.get()) == 16) {
            const auto* sides =
                static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
            return QMargins(static_cast<int>(sides[0]), static_cast<int>(sides[2]),
                            static_cast<int>(sides[1]), static_cast<int>(sides[3]));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return {};
}

}  // namespace

QRect CentredOuterRect(QSize size, const QRect& screen) {
    return QRect(screen.x() + (screen.width() - size.width()) / 2,
                 screen.y() + (screen.height() - size.height()) / 2, size.width(), size.height());
}

void PlaceOuterRect(QWidget& window, const QRect& outer) {
    // The frame a window manager draws depends on the size hints, so the
    // window is fixed at its outer size before the frame is asked for.
    window.setFixedSize(outer.size());
    const QMargins frame = RequestFrameExtents(window);
    const QRect client = outer.marginsRemoved(frame);
    window.setFixedSize(client.size());
    // Once the native window exists, the toolkit places the client area where
    // it is told (static gravity), so the frame is left out by hand.
    window.setGeometry(client);
}

}  // namespace vh
