#include "platform/loader/PlatformLoader.h"

#include <wayland-client.h>
#include <xcb/xcb.h>

namespace {

bool WaylandReachable() {
    // Without these the library would complain on standard error before it gave up.
    if (qEnvironmentVariableIsEmpty("WAYLAND_SOCKET") && !qgetenv("WAYLAND_DISPLAY").startsWith('/') &&
        qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return false;
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return false;
    wl_display_disconnect(display);
    return true;
}

bool XReachable() {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool reached = !xcb_connection_has_error(connection);
    xcb_disconnect(connection);
    return reached;
}

} // namespace

QString WhyNoDisplay() {
    const QByteArray chosen = qgetenv("QT_QPA_PLATFORM");
    const bool wayland = chosen.startsWith("wayland"), x11 = chosen.startsWith("xcb");
    if (!chosen.isEmpty() && !wayland && !x11)
        return {}; // a platform without a desktop, such as the tests' offscreen one
    const bool waylandReached = !x11 && WaylandReachable();
    const bool xReached = !wayland && XReachable();
    if (chosen.isEmpty() && waylandReached && !xReached)
        qputenv("QT_QPA_PLATFORM", "wayland");
    if (waylandReached || xReached)
        return {};
    const QString display = qEnvironmentVariable("DISPLAY");
    const QString waylandDisplay = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (wayland)
        return QStringLiteral("no display available (cannot connect to the Wayland display '%1')")
            .arg(waylandDisplay.isEmpty() ? QStringLiteral("wayland-0") : waylandDisplay);
    if (display.isEmpty() && waylandDisplay.isEmpty())
        return QStringLiteral("no display available (DISPLAY is not set): start it from a desktop session");
    return QStringLiteral("no display available (cannot open display '%1')").arg(display);
}
