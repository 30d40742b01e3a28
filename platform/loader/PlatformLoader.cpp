#include "platform/loader/PlatformLoader.h"

#include "core/windows/Messages.h"
#include "platform/FixedScreenAccess.h"
#include "platform/loader/UnreadableScreen.h"
#include "platform/portal/PortalColourPick.h"
#include "platform/portal/PortalScreenCast.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtScreenReader.h"
#include "platform/wayland/WlrScreen.h"

namespace {

// A Wayland session, whether Qt shows the windows there or through its X server for older programs:
// that X server's root window is not what the user sees, so it is never read.
bool WaylandSession() {
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland";
}

ScreenBackEnd ChooseScreen() {
    if (!WaylandSession()) {
        auto reader = std::make_unique<QtScreenReader>();
        const QString name = reader->ReadsX11() ? QStringLiteral("X11") : QStringLiteral("Qt");
        return {std::move(reader), std::make_unique<FixedScreenAccess>(ScreenAccess::Way::Live, name)};
    }
    // Without a question where the desktop allows it, then live after the user's yes, then one colour
    // at a time with the desktop's own tool.
    if (std::shared_ptr<WlrScreen> wlroots = WlrScreen::Open())
        return {wlroots, wlroots};
    if (PortalScreenCast::Offered()) {
        auto cast = std::make_shared<PortalScreenCast>();
        return {cast, cast};
    }
    if (PortalColourPick::Offered())
        return {std::make_unique<UnreadableScreen>(), std::make_unique<PortalColourPick>()};
    return {std::make_unique<UnreadableScreen>(),
            std::make_unique<FixedScreenAccess>(ScreenAccess::Way::None, QStringLiteral("Wayland 桌面"),
                                                QString::fromStdString(MsgNoCaptureOffered))};
}

} // namespace

std::unique_ptr<Platform> LoadPlatform() { return std::make_unique<QtPlatform>(ChooseScreen()); }
