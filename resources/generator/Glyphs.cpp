#include "Glyphs.h"

#include "Tone.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace generator {

void drawStar(QPainter& p, double middle) {
    const QPointF centre(13, middle + 0.5);
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const double r = (i % 2 == 0) ? 7.2 : 3.0;
        const QPointF point(centre.x() + r * std::cos(angle), centre.y() + r * std::sin(angle));
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    QLinearGradient gold(0, centre.y() - 7, 0, centre.y() + 6);
    gold.setColorAt(0, QColor(255, 214, 92));
    gold.setColorAt(1, QColor(236, 150, 30));
    p.setPen(QPen(QColor(176, 104, 18), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(gold);
    p.drawPath(star);
}

void drawPage(QPainter& p, double middle) {
    const double top = middle - 7;
    QPainterPath page;
    page.moveTo(7.5, top + 0.5);
    page.lineTo(15.5, top + 0.5);
    page.lineTo(19.5, top + 4.5);
    page.lineTo(19.5, top + 15.5);
    page.lineTo(7.5, top + 15.5);
    page.closeSubpath();
    p.setPen(QPen(tone::Border, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.setBrush(tone::Centre);
    QPainterPath fold;
    fold.moveTo(15.5, top + 0.5);
    fold.lineTo(15.5, top + 4.5);
    fold.lineTo(19.5, top + 4.5);
    p.drawPath(fold);
    const QColor rows[] = {QColor(214, 64, 56), QColor(46, 150, 70), QColor(52, 120, 200)};
    for (int i = 0; i < 3; ++i) {
        const int y = static_cast<int>(top) + 6 + i * 3;
        p.fillRect(QRect(10, y, 3, 2), rows[i]);
        p.fillRect(QRect(14, y, 4, 2), tone::SoftBorder);
    }
}

void drawMagnifierGlyph(QImage& image, bool plus) {
    image.fill(tone::Centre);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(8, 8);
    const double radius = 5.6;

    p.setPen(QPen(QColor(70, 82, 102), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12.6, 12.6), QPointF(image.width() - 2.5, image.height() - 2.5));

    QRadialGradient lens(QPointF(6.5, 6.5), radius + 1);
    lens.setColorAt(0, Qt::white);
    lens.setColorAt(1, QColor(208, 228, 250));
    p.setPen(QPen(tone::AccentDeep, 1.6));
    p.setBrush(lens);
    p.drawEllipse(centre, radius, radius);

    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(5, 7, 6, 2), tone::AccentDeep);
    if (plus)
        p.fillRect(QRect(7, 5, 2, 6), tone::AccentDeep);
}

} // namespace generator
