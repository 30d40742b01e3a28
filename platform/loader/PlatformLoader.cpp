#include "platform/loader/PlatformLoader.h"

#include "core/Logging.h"
#include "core/windows/Messages.h"
#include "platform/FixedScreenAccess.h"
#include "platform/loader/UnreadableScreen.h"
#include "platform/NoGlobalHotkey.h"
#include "platform/portal/PortalColorPick.h"
#include "platform/portal/PortalGlobalHotkey.h"
#include "platform/portal/PortalScreenCast.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtScreenReader.h"
#include "platform/wayland/WaylandDirectViews.h"
#include "platform/wayland/WlrScreen.h"
#include "platform/x11/XcbDirectViews.h"
#include "platform/x11/XcbGlobalHotkey.h"
#include "platform/x11/XcbPointerAim.h"

#include <QGuiApplication>

#include <optional>

namespace {

// A Wayland session, whether Qt shows the windows there or through its X server for older programs:
// that X server's root window is not what the user sees, so it is never read.
bool WaylandSession() {
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland";
}

ScreenBackEnd X11Screen() {
    auto reader = std::make_unique<QtScreenReader>();
    if (!reader->ReadsX11())
        return {std::move(reader),
                std::make_unique<FixedScreenAccess>(PickingWay::Live, QStringLiteral("Qt"))};
    return {std::move(reader), std::make_unique<FixedScreenAccess>(PickingWay::Live, QStringLiteral("X11")),
            std::make_shared<XcbPointerAim>()};
}

ScreenBackEnd NoScreen(const QString& reason) {
    return {std::make_unique<UnreadableScreen>(),
            std::make_unique<FixedScreenAccess>(
                PickingWay::None, QCoreApplication::translate("PlatformLoader", "Wayland 桌面"), reason)};
}

std::optional<ScreenBackEnd> PortalScreen() {
    if (PortalScreenCast::Offered()) {
        auto cast = std::make_shared<PortalScreenCast>();
        return ScreenBackEnd{cast, cast};
    }
    if (PortalColorPick::Offered())
        return ScreenBackEnd{std::make_unique<UnreadableScreen>(), std::make_unique<PortalColorPick>()};
    return std::nullopt;
}

// TINTRA_SCREEN names the way for tests and bug reports: x11, wlroots, portal or none; a way the
// desktop does not offer reads nothing.
std::optional<ScreenBackEnd> ForcedScreen() {
    const QByteArray forced = qgetenv("TINTRA_SCREEN");
    if (forced.isEmpty())
        return std::nullopt;
    qCInfo(lcLoader, "the screen back end is chosen by TINTRA_SCREEN=%s", forced.constData());
    const QString missing = QString::fromStdString(MsgNoCaptureOffered);
    if (forced == "x11")
        return X11Screen();
    if (forced == "wlroots") {
        if (std::shared_ptr<WlrScreen> wlroots = WlrScreen::Open())
            return ScreenBackEnd{wlroots, wlroots};
        return NoScreen(missing);
    }
    if (forced == "portal")
        return PortalScreen().value_or(NoScreen(missing));
    if (forced != "none")
        qCWarning(lcLoader, "TINTRA_SCREEN=%s is none of x11, wlroots, portal and none", forced.constData());
    return NoScreen(missing);
}

ScreenBackEnd ChooseScreen() {
    if (std::optional<ScreenBackEnd> forced = ForcedScreen())
        return std::move(*forced);
    if (!WaylandSession()) {
        qCInfo(lcLoader, "an X11 session: the screen is read directly");
        return X11Screen();
    }
    // Without a question where the desktop allows it, then live after the user's yes, then one colour
    // at a time with the desktop's own tool.
    if (std::shared_ptr<WlrScreen> wlroots = WlrScreen::Open()) {
        qCInfo(lcLoader, "a wlroots desktop: the screen is copied in a pick mode");
        return {wlroots, wlroots};
    }
    if (std::optional<ScreenBackEnd> portal = PortalScreen()) {
        qCInfo(lcLoader, "the screen through the desktop's portal");
        return std::move(*portal);
    }
    qCWarning(lcLoader, "this Wayland desktop offers no way to read its screen (no screen copy, no portal)");
    return NoScreen(QString::fromStdString(MsgNoCaptureOffered));
}

// The hotkey goes with the session, where the screen can be read at all: on X11 a grab of the X
// server's, on Wayland the portal's global shortcuts, which it asks whether it has only once needed.
std::unique_ptr<GlobalHotkey> ChooseHotkey(const ScreenBackEnd& screen) {
    if (screen.Access->Kind() == PickingWay::None)
        return std::make_unique<NoGlobalHotkey>();
    if (WaylandSession())
        return std::make_unique<PortalGlobalHotkey>();
    return std::make_unique<XcbGlobalHotkey>();
}

// Views drawn straight on the screen go with the display server Qt shows the windows on, which under
// Wayland may still be X11's.
std::unique_ptr<DirectViews> ChooseDirectViews() {
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return std::make_unique<WaylandDirectViews>();
    return std::make_unique<XcbDirectViews>();
}

} // namespace

std::unique_ptr<Platform> LoadPlatform() {
    ScreenBackEnd screen = ChooseScreen();
    std::unique_ptr<GlobalHotkey> hotkey = ChooseHotkey(screen);
    return std::make_unique<QtPlatform>(std::move(screen), std::move(hotkey), ChooseDirectViews());
}
