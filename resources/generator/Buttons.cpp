#include "Buttons.h"

#include "Tone.h"
#include "Words.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace generator {

void drawButton(QImage& image, const QString& caption, const Face& face) {
    image.fill(tone::Window);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = image.width();
    const double h = image.height();

    QLinearGradient fill(0, 0, 0, h);
    fill.setColorAt(0.0, face.top);
    fill.setColorAt(0.5, mix(face.top, face.bottom, 0.4));
    fill.setColorAt(1.0, face.bottom);
    p.setPen(QPen(face.border, 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 3, 3);

    // A faint light rim under the top edge lifts the face off the window.
    p.setPen(QPen(QColor(255, 255, 255, 80), 1));
    p.drawLine(QPointF(3, 1.5), QPointF(w - 3, 1.5));

    putText(p, caption, chineseFont(13), Qt::white, QRectF(0, 0, w, h - 1));
}

void drawCheckBox(QImage& image, const QString& caption, bool ticked) {
    image.fill(tone::Window);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double top = std::floor((image.height() - 13) / 2.0);
    const QRectF box(2.5, top + 0.5, 12, 12);

    if (ticked) {
        QLinearGradient fill(0, box.top(), 0, box.bottom());
        fill.setColorAt(0, tone::AccentLight);
        fill.setColorAt(1, tone::Accent);
        p.setPen(QPen(tone::AccentDeep, 1));
        p.setBrush(fill);
    } else {
        p.setPen(QPen(tone::Border, 1));
        p.setBrush(Qt::white);
    }
    p.drawRoundedRect(box, 2, 2);

    if (ticked) {
        QPainterPath tick;
        tick.moveTo(5.3, top + 6.8);
        tick.lineTo(7.8, top + 9.4);
        tick.lineTo(12.0, top + 4.2);
        p.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
    }

    putText(p, caption, chineseFont(13), tone::Ink, QRectF(19, 0, image.width() - 19, image.height()),
            Along::Left);
}

} // namespace generator
