#include "platform/x11/XcbPointerAim.h"

#include "core/Logging.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

bool XcbPointerAim::MoveBy(int dx, int dy) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11) {
        qCDebug(lcX11, "the pointer cannot be moved: the program does not run on X11");
        return false;
    }
    // With no source or destination window the move is relative to where the pointer is now.
    xcb_connection_t* x = x11->connection();
    xcb_warp_pointer(x, XCB_NONE, XCB_NONE, 0, 0, 0, 0, int16_t(dx), int16_t(dy));
    xcb_flush(x);
    return true;
}
