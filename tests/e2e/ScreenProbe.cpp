// Prints the colour of screen points as RRGGBB, one line each, read the way the program reads them:
//   tintra_screen_probe X,Y [X,Y ...]
#include "platform/QtScreenReader.h"

#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    QtScreenReader screen;
    for (const QString& point : QGuiApplication::arguments().mid(1)) {
        const QStringList xy = point.split(',');
        if (xy.size() != 2) {
            std::fprintf(stderr, "not a point: %s\n", qPrintable(point));
            return 2;
        }
        std::printf("%s\n", ColorToHexText(screen.ScreenPixelSource(xy[0].toInt(), xy[1].toInt())).c_str());
    }
    return 0;
}
