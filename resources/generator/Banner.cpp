#include "Banner.h"

#include "ColorWheel.h"
#include "Failure.h"
#include "Tone.h"
#include "Words.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>

namespace generator {

void drawBanner(QImage& image) {
    const double w = image.width();
    const double h = image.height();
    image.fill(tone::Banner);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sweep(0, 0, w, 0);
    sweep.setColorAt(0.0, QColor(46, 46, 96));
    sweep.setColorAt(0.45, tone::Banner);
    sweep.setColorAt(1.0, QColor(24, 24, 54));
    p.fillRect(image.rect(), sweep);

    // Soft coloured glows across the right part, like light through stained glass.
    struct Glow {
        double x, y, radius, hue;
    };
    for (const Glow& g : {Glow{520, 8, 110, 0.58}, Glow{650, 60, 120, 0.83}, Glow{790, 6, 120, 0.50},
                          Glow{930, 52, 130, 0.08}}) {
        QRadialGradient light(QPointF(g.x, g.y), g.radius);
        light.setColorAt(0, QColor::fromHsvF(static_cast<float>(g.hue), 0.70f, 0.90f, 0.30f));
        light.setColorAt(1, QColor::fromHsvF(static_cast<float>(g.hue), 0.70f, 0.90f, 0.0f));
        p.fillRect(image.rect(), light);
    }

    // Faint diagonal pin-stripes.
    p.setPen(QPen(QColor(255, 255, 255, 9), 10));
    for (double x = -h; x < w + h; x += 38)
        p.drawLine(QPointF(x, h), QPointF(x + h, 0));

    // A thin spectrum along the bottom edge.
    QLinearGradient spectrum(0, 0, w, 0);
    for (int i = 0; i <= 6; ++i)
        spectrum.setColorAt(i / 6.0, QColor::fromHsvF(static_cast<float>(i % 6) / 6.0f, 0.75f, 0.95f));
    p.fillRect(QRectF(0, h - 3, w, 3), spectrum);

    drawColorWheel(p, QPointF(40, 30.5), 20, tone::Banner);

    QFont brand = chineseFont(32, true);
    const QRectF name =
        putText(p, QStringLiteral("Tintra"), brand, Qt::white, QRectF(72, 4, 140, 54), Along::Left, true);

    const double rule = std::round(name.right()) + 14.5;
    p.setPen(QPen(QColor(255, 255, 255, 80), 1));
    p.drawLine(QPointF(rule, 16), QPointF(rule, 46));

    putText(p, say(u"屏幕取色器"), chineseFont(16, true), QColor(214, 226, 246),
            QRectF(rule + 13.5, 10, 160, 22), Along::Left);

    // A row of swatches, the colours a user might have collected, under the tagline. The window lays
    // its link label over x 317..445, y 36..56 of the strip, so they must end before x 312.
    const double first = std::round(rule) + 14.5;
    const int count = 5;
    if (first + count * 16 - 4 > 312)
        throw Failure("the swatches run under the link label");
    for (int i = 0; i < count; ++i) {
        const QColor c = QColor::fromHsvF(static_cast<float>(i) / count, 0.72f, 0.95f);
        p.setPen(QPen(QColor(255, 255, 255, 110), 1));
        p.setBrush(c);
        p.drawRoundedRect(QRectF(first + i * 16, 38.5, 12, 12), 3, 3);
    }
}

} // namespace generator
