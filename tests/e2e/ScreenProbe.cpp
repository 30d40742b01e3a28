// What a person would look at, for the end-to-end tests:
//   tintra_screen_probe X,Y [X,Y ...]   the colour of each screen point as RRGGBB, a line each, read
//                                       the way the program reads them;
//   tintra_screen_probe --image FILE    "WIDTHxHEIGHT RRGGBB uniform|mixed" for a picture file, the
//                                       colour being its top-left pixel's.
#include "platform/QtScreenReader.h"

#include <QGuiApplication>
#include <QImage>
#include <QStringList>

#include <cstdio>

namespace {

int DescribeImage(const QString& path) {
    const QImage image = QImage(path).convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) {
        std::fprintf(stderr, "not a picture: %s\n", qPrintable(path));
        return 2;
    }
    bool uniform = true;
    for (int y = 0; y < image.height() && uniform; ++y)
        for (int x = 0; x < image.width() && uniform; ++x)
            uniform = image.pixel(x, y) == image.pixel(0, 0);
    const QRgb first = image.pixel(0, 0);
    std::printf("%dx%d %s %s\n", image.width(), image.height(),
                ColorToHexText(PackRgb(qRed(first), qGreen(first), qBlue(first))).c_str(),
                uniform ? "uniform" : "mixed");
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments().mid(1);
    if (arguments.size() == 2 && arguments[0] == "--image")
        return DescribeImage(arguments[1]);
    QtScreenReader screen;
    for (const QString& point : arguments) {
        const QStringList xy = point.split(',');
        if (xy.size() != 2) {
            std::fprintf(stderr, "not a point: %s\n", qPrintable(point));
            return 2;
        }
        std::printf("%s\n", ColorToHexText(screen.ScreenPixelSource(xy[0].toInt(), xy[1].toInt())).c_str());
    }
    return 0;
}
