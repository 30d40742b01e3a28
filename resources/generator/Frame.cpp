#include "Frame.h"

#include "Tone.h"

#include <QColor>

#include <algorithm>

namespace generator {

namespace frame {
namespace {

const QColor Outer(28, 44, 72);
const QColor InnerDark(34, 70, 122);
const QColor InnerLight(214, 228, 244);

// t runs from 0 at the outside of the coloured band to 1 at its inside; `light`
// brightens (positive) or shades (negative) a side, giving the frame a bevel.
QColor band(double t, double light) {
    const QColor c = mix(QColor(100, 164, 232), QColor(40, 96, 172), t);
    return light >= 0 ? mix(c, Qt::white, light) : mix(c, Qt::black, -light);
}

QColor at(int x, int y) {
    if (x == 0 || y == 0 || x == Width - 1 || y == Height - 1)
        return Outer;
    const int dx = x < Left ? Left - x : (x >= Width - Right ? x - (Width - Right) + 1 : 0);
    const int dy = y < Top ? Top - y : (y >= Height - Bottom ? y - (Height - Bottom) + 1 : 0);
    const int ring = std::max(dx, dy);
    if (ring == 1)
        return InnerLight;
    if (ring == 2)
        return InnerDark;

    // Inside the band: where two sides meet, the side nearer its own outer edge wins,
    // which makes a mitred corner.
    double bestT = 2.0;
    double bestLight = 0.0;
    const auto consider = [&](int depth, int inset, double light) {
        const double t = (depth - 1.0) / (inset - 4.0);
        if (t < bestT) {
            bestT = t;
            bestLight = light;
        }
    };
    if (y < Top)
        consider(y, Top, 0.10);
    if (y >= Height - Bottom)
        consider(Height - 1 - y, Bottom, -0.16);
    if (x < Left)
        consider(x, Left, 0.05);
    if (x >= Width - Right)
        consider(Width - 1 - x, Right, -0.08);
    return band(bestT, bestLight);
}

const QImage& canvas() {
    static const QImage whole = [] {
        QImage image(Width, Height, QImage::Format_RGB32);
        for (int y = 0; y < Height; ++y)
            for (int x = 0; x < Width; ++x)
                image.setPixelColor(x, y, at(x, y));
        return image;
    }();
    return whole;
}

} // namespace

void cut(QImage& image, int x, int y) { image = canvas().copy(QRect(x, y, image.width(), image.height())); }
} // namespace frame

} // namespace generator
