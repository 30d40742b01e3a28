// A stand-in for the desktop's portal and screen on a private session bus and PipeWire daemon:
// StandInMain [BGRx|BGRA|RGBx|RGBA]. It takes the portal's bus name once its monitors are up.
#include "StandInPortal.h"
#include "StandInScreen.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    StandInScreen screen(argc > 1 ? QString::fromLatin1(argv[1]) : QStringLiteral("BGRx"));
    QDBusConnection bus = QDBusConnection::sessionBus();
    StandInPortal portal(bus, screen);

    QTimer frames;
    QObject::connect(&frames, &QTimer::timeout, [&screen] { screen.Draw(); });
    frames.start(20);

    QTimer waiting;
    QObject::connect(&waiting, &QTimer::timeout, [&] {
        if (screen.Monitors().isEmpty())
            return;
        waiting.stop();
        if (!bus.registerVirtualObject(QStringLiteral("/org/freedesktop/portal/desktop"), &portal,
                                       QDBusConnection::SubPath) ||
            !bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop"))) {
            std::fprintf(stderr, "stand-in portal: cannot take the portal's name\n");
            QCoreApplication::exit(1);
        }
    });
    waiting.start(10);
    return QCoreApplication::exec();
}
