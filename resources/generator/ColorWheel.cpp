#include "ColorWheel.h"

#include <QConicalGradient>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>

namespace generator {

void drawColorWheel(QPainter& p, const QPointF& centre, double radius, const QColor& hole) {
    QConicalGradient hues(centre, 90);
    for (int i = 0; i <= 6; ++i)
        hues.setColorAt(i / 6.0, QColor::fromHsvF(static_cast<float>(i % 6) / 6.0f, 0.80f, 0.96f));
    p.setPen(Qt::NoPen);
    p.setBrush(hues);
    p.drawEllipse(centre, radius, radius);

    QRadialGradient wash(centre, radius);
    wash.setColorAt(0.0, QColor(255, 255, 255, 235));
    wash.setColorAt(0.35, QColor(255, 255, 255, 150));
    wash.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(wash);
    p.drawEllipse(centre, radius, radius);

    p.setBrush(hole);
    p.setPen(QPen(QColor(255, 255, 255, 220), radius * 0.08));
    p.drawEllipse(centre, radius * 0.30, radius * 0.30);
    p.setPen(QPen(QColor(255, 255, 255, 170), std::max(1.0, radius * 0.05)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius - 0.5, radius - 0.5);
}

} // namespace generator
