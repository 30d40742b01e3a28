#include "Icon.h"

#include "ColorWheel.h"
#include "Failure.h"
#include "Tone.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <cstdio>
#include <numbers>

namespace generator {

namespace {

// The mark on a rounded tile in the banner's colour, so that it stands out on light and dark panels
// alike. Sizes are of a 256-pixel icon, scaled.
namespace icon {
constexpr double Canvas = 256;
constexpr double TileMargin = 8;
constexpr double TileRadius = 52;
constexpr double WheelRadius = 92;
const QString Name = QStringLiteral("app.tintra.Tintra");
constexpr int Sizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
// The SVG cannot sweep hues round a point, so it lays them in this many slices.
constexpr int Slices = 90;
} // namespace icon

QImage drawIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / icon::Canvas, size / icon::Canvas);
    p.setPen(Qt::NoPen);
    p.setBrush(tone::Banner);
    const double side = icon::Canvas - 2 * icon::TileMargin;
    p.drawRoundedRect(QRectF(icon::TileMargin, icon::TileMargin, side, side), icon::TileRadius,
                      icon::TileRadius);
    drawColorWheel(p, QPointF(icon::Canvas / 2, icon::Canvas / 2), icon::WheelRadius, tone::Banner);
    return image;
}

// The same picture as drawIcon, as SVG text.
QByteArray iconSvg() {
    const double c = icon::Canvas / 2;
    const double r = icon::WheelRadius;
    const auto number = [](double value) { return QByteArray::number(value, 'f', 3); };
    const auto color = [](const QColor& value) { return value.name(QColor::HexRgb).toLatin1(); };
    const auto point = [&](double degrees) {
        const double radians = degrees * std::numbers::pi / 180;
        return number(c + r * std::cos(radians)) + ',' + number(c - r * std::sin(radians));
    };
    const double side = icon::Canvas - 2 * icon::TileMargin;
    QByteArray svg =
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n"
        "  <defs>\n"
        "    <radialGradient id=\"wash\" cx=\"" +
        number(c) + "\" cy=\"" + number(c) + "\" r=\"" + number(r) +
        "\" gradientUnits=\"userSpaceOnUse\">\n"
        "      <stop offset=\"0\" stop-color=\"#ffffff\" stop-opacity=\"0.922\"/>\n"
        "      <stop offset=\"0.35\" stop-color=\"#ffffff\" stop-opacity=\"0.588\"/>\n"
        "      <stop offset=\"1\" stop-color=\"#ffffff\" stop-opacity=\"0\"/>\n"
        "    </radialGradient>\n"
        "  </defs>\n";
    svg += "  <rect x=\"" + number(icon::TileMargin) + "\" y=\"" + number(icon::TileMargin) + "\" width=\"" +
           number(side) + "\" height=\"" + number(side) + "\" rx=\"" + number(icon::TileRadius) +
           "\" fill=\"" + color(tone::Banner) + "\"/>\n";
    // Hue 0 points up and the hues turn anticlockwise, as the conical gradient has them; each slice
    // reaches a little into the next so that no seam shows between them.
    for (int i = 0; i < icon::Slices; ++i) {
        const double from = 90 + 360.0 * i / icon::Slices;
        const double to = 90 + 360.0 * (i + 1) / icon::Slices + 0.6;
        const QColor hue = QColor::fromHsvF(static_cast<float>((i + 0.5) / icon::Slices), 0.80f, 0.96f);
        svg += "  <path d=\"M" + number(c) + ',' + number(c) + " L" + point(from) + " A" + number(r) + ',' +
               number(r) + " 0 0 0 " + point(to) + " Z\" fill=\"" + color(hue) + "\"/>\n";
    }
    svg += "  <circle cx=\"" + number(c) + "\" cy=\"" + number(c) + "\" r=\"" + number(r) +
           "\" fill=\"url(#wash)\"/>\n";
    svg += "  <circle cx=\"" + number(c) + "\" cy=\"" + number(c) + "\" r=\"" + number(r * 0.30) +
           "\" fill=\"" + color(tone::Banner) +
           "\" stroke=\"#ffffff\" stroke-opacity=\"0.863\" stroke-width=\"" + number(r * 0.08) + "\"/>\n";
    svg += "  <circle cx=\"" + number(c) + "\" cy=\"" + number(c) + "\" r=\"" + number(r - 0.5) +
           "\" fill=\"none\" stroke=\"#ffffff\" stroke-opacity=\"0.667\" stroke-width=\"" + number(r * 0.05) +
           "\"/>\n";
    return svg + "</svg>\n";
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush())
        throw Failure("could not be written");
}

} // namespace

void writeIcons(const QDir& folder) {
    for (const int size : icon::Sizes) {
        const QString apps = QStringLiteral("hicolor/%1x%1/apps").arg(size);
        const QString path = folder.filePath(apps + '/' + icon::Name + QStringLiteral(".png"));
        if (!QDir().mkpath(folder.filePath(apps)))
            throw Failure("cannot make " + apps.toStdString());
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        if (!drawIcon(size).save(&png, "png"))
            throw Failure("could not be encoded as PNG");
        writeFile(path, png.data());
        const QImage back(path);
        if (back.size() != QSize(size, size) || !back.hasAlphaChannel())
            throw Failure(path.toStdString() + " reads back at the wrong size or without transparency");
        std::printf("%-40s %4d x %-4d\n", qPrintable(apps), size, size);
    }
    const QString scalable = QStringLiteral("hicolor/scalable/apps");
    if (!QDir().mkpath(folder.filePath(scalable)))
        throw Failure("cannot make " + scalable.toStdString());
    writeFile(folder.filePath(scalable + '/' + icon::Name + QStringLiteral(".svg")), iconSvg());
    std::printf("%-40s SVG\n", qPrintable(scalable));
}

} // namespace generator
