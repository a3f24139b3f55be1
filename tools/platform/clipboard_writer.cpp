#include "tools/platform.h"
#include "ui/x11_connection.h"

#include <QClipboard>
#include <QGuiApplication>

#include <xcb/xcb.h>

namespace vh {
namespace {

// On X11 the toolkit reports the clipboard as its own even when the server
// ignored its claim (a claim older than another program's), so the owner is
// asked again: a window of this connection has an identifier from its range.
bool HoldsX11Clipboard(xcb_connection_t* connection) {
    const xcb_atom_t clipboard = InternAtom(connection, "CLIPBOARD");
    if (clipboard == XCB_ATOM_NONE) {
        return false;
    }
    const XcbReply<xcb_get_selection_owner_reply_t> owner(xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, clipboard), nullptr));
    const xcb_setup_t* setup = xcb_get_setup(connection);
    return owner && owner->owner != XCB_NONE &&
           (owner->owner & ~setup->resource_id_mask) == setup->resource_id_base;
}

}  // namespace

bool PutTextOnClipboard(const char* text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QString value = QString::fromUtf8(text);
    clipboard->setText(value, QClipboard::Clipboard);
    if (xcb_connection_t* connection = X11Connection()) {
        return HoldsX11Clipboard(connection);
    }
    return clipboard->text(QClipboard::Clipboard) == value;
}

}  // namespace vh
