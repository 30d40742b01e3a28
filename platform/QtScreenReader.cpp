#include "platform/QtScreenReader.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

ColorValue QtScreenReader::ScreenPixelSource(int x, int y) {
    const QPoint point(x, y);
    QScreen* screen = QGuiApplication::screenAt(point);
    if (!screen)
        return -1;
    const QPoint local = point - screen->geometry().topLeft();
    const QImage pixel = screen->grabWindow(0, local.x(), local.y(), 1, 1).toImage();
    if (pixel.isNull())
        return -1;
    const QRgb rgb = pixel.pixel(0, 0);
    return PackRgb(qRed(rgb), qGreen(rgb), qBlue(rgb));
}
