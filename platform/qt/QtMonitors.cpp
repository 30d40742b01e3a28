#include "platform/qt/QtMonitors.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

QList<Monitor> QtMonitors() {
    QList<Monitor> monitors;
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (QScreen* screen : screens) {
        // Qt scales each screen about its top-left corner, which keeps its device coordinates.
        const QRect scaled = screen->geometry();
        const double scale = screen->devicePixelRatio();
        const Monitor monitor{{scaled.topLeft(), QSize(int(std::lround(scaled.width() * scale)),
                                                       int(std::lround(scaled.height() * scale)))},
                              scale};
        if (screen == QGuiApplication::primaryScreen())
            monitors.prepend(monitor);
        else
            monitors.append(monitor);
    }
    return monitors;
}
