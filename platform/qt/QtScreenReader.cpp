#include "platform/qt/QtScreenReader.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

QPoint QtScreenReader::PointerPosition() const { return QCursor::pos(); }

ColorValue QtScreenReader::ScreenPixelSource(int x, int y) {
    if (const auto pixel = x11_.Grab(QRect(x, y, 1, 1))) {
        const QRgb rgb = pixel->pixel(0, 0);
        return PackRgb(qRed(rgb), qGreen(rgb), qBlue(rgb));
    }
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

QImage QtScreenReader::GrabRegion(const QRect& region) {
    if (auto image = x11_.Grab(region))
        return std::move(*image);
    QScreen* primary = QGuiApplication::primaryScreen();
    const QRect onPrimary = region & primary->geometry();
    if (onPrimary == region) // the usual case: one read of the screen
        return primary->grabWindow(0, region.x(), region.y(), region.width(), region.height()).toImage();

    QImage image(region.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    for (QScreen* screen : QGuiApplication::screens()) {
        const QRect part = region & screen->geometry();
        if (part.isEmpty())
            continue;
        const QPoint local = part.topLeft() - screen->geometry().topLeft();
        painter.drawPixmap(part.topLeft() - region.topLeft(),
                           screen->grabWindow(0, local.x(), local.y(), part.width(), part.height()));
    }
    return image;
}

QSize QtScreenReader::PrimaryScreenSize() const { return QGuiApplication::primaryScreen()->size(); }
