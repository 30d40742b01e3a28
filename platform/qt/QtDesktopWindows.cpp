#include "platform/qt/QtDesktopWindows.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

void QtDesktopWindows::SetTopmost(QWidget* window, bool topmost) {
    Qt::WindowFlags flags = window->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, topmost);
    QWindow* native = window->windowHandle();
    if (!native) {
        window->setWindowFlags(flags);
        return;
    }
    // A window already on screen keeps its place and size: the desktop is only told the new band
    // (on X11 through _NET_WM_STATE_ABOVE), where changing the widget's flags would hide and remake it.
    window->overrideWindowFlags(flags);
    native->setFlags(flags);
}

bool QtDesktopWindows::IsMinimised(const QWidget* window) const { return window->isMinimized(); }

bool QtDesktopWindows::KnowsPlaces() const {
    // Asked at every tick of the magnifier; the platform stays the one the program started on.
    static const bool knows = !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    return knows;
}

void QtDesktopWindows::BringToFront(QWidget* window) {
    window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->show();
    window->raise();
    window->activateWindow();
}

void QtDesktopWindows::Place(QWidget* window, const QRect& outer) {
    window->move(outer.topLeft());
    window->resize(outer.size());
}

QRect QtDesktopWindows::Outer(const QWidget* window) const { return window->frameGeometry(); }
