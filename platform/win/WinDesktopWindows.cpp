#include "platform/win/WinDesktopWindows.h"

#include <qpa/qwindowsysteminterface.h>
#include <QRect>
#include <QWidget>

#include <windows.h>

void WinDesktopWindows::Place(QWidget* window, const QRect& outer) {
    const auto handle = reinterpret_cast<HWND>(window->winId());
    SetWindowPos(handle, nullptr, outer.x(), outer.y(), outer.width(), outer.height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    // The widget learns its new inside from the system's messages; marked as placed, the first show
    // keeps it rather than fitting the window to its contents.
    QWindowSystemInterface::flushWindowSystemEvents();
    window->setAttribute(Qt::WA_Moved);
    window->setAttribute(Qt::WA_Resized);
}

QRect WinDesktopWindows::Outer(const QWidget* window) const {
    RECT area{};
    if (!GetWindowRect(reinterpret_cast<HWND>(window->effectiveWinId()), &area))
        return window->frameGeometry();
    return QRect(QPoint(area.left, area.top), QPoint(area.right - 1, area.bottom - 1));
}
