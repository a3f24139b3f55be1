#include "x11_connection.h"

#include <QGuiApplication>

namespace vh {

xcb_connection_t* X11Connection() {
    // The offscreen platform answers the X11 interface too, without a connection.
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        return nullptr;
    }
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

}  // namespace vh
