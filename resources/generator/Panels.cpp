#include "Panels.h"

#include "Tone.h"
#include "Words.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace generator {

namespace {

// A rectangle with its top corners rounded, used for the tabs of the panels.
QPainterPath tabShape(const QRectF& r, double radius) {
    QPainterPath path;
    path.moveTo(r.bottomLeft());
    path.lineTo(r.left(), r.top() + radius);
    path.quadTo(r.topLeft(), QPointF(r.left() + radius, r.top()));
    path.lineTo(r.right() - radius, r.top());
    path.quadTo(r.topRight(), QPointF(r.right(), r.top() + radius));
    path.lineTo(r.bottomRight());
    path.closeSubpath();
    return path;
}

void drawTab(QPainter& p, const QRectF& r, const QString& caption) {
    QLinearGradient fill(0, r.top(), 0, r.bottom());
    fill.setColorAt(0, tone::AccentLight);
    fill.setColorAt(1, tone::Accent);
    p.setPen(QPen(tone::AccentDeep, 1));
    p.setBrush(fill);
    p.drawPath(tabShape(r, 4));
    putText(p, caption, chineseFont(13, true), Qt::white, r.adjusted(-0.5, 0.5, 0.5, 0.5));
}

} // namespace

void drawAdjusterBoard(QImage& image) {
    image.fill(tone::Window);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    p.setPen(QPen(tone::SoftBorder, 1));
    p.setBrush(tone::Window);
    p.drawRoundedRect(QRectF(0.5, 22.5, image.width() - 1.0, image.height() - 23.0), 3, 3);
    drawTab(p, QRectF(0.5, 0.5, 70, 22), say(u"调色板"));

    const QFont label = chineseFont(13, true);
    putText(p, say(u"红："), label, QColor(196, 46, 46), QRectF(8, 34, 32, 17), Along::Left);
    putText(p, say(u"绿："), label, QColor(34, 136, 60), QRectF(8, 61, 32, 17), Along::Left);
    putText(p, say(u"蓝："), label, QColor(38, 88, 204), QRectF(8, 88, 32, 17), Along::Left);
}

void drawMagnifierHeader(QImage& image) {
    image.fill(tone::Window);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    p.fillRect(QRect(0, 0, image.width(), 24), tone::Centre);
    p.fillRect(QRect(0, 24, image.width(), 1), tone::SoftBorder);
    drawTab(p, QRectF(0.5, 2.5, 74, 22), say(u"放大镜"));

    const QFont label = chineseFont(13);
    // The factor stands between the two words, the zoom buttons left of the first.
    putText(p, say(u"放大"), label, tone::Ink, QRectF(124, 0, 26, 24));
    if (const QString times = say(u"倍"); !times.isEmpty())
        putText(p, times, label, tone::Ink, QRectF(172, 0, 18, 24));
}

void drawListHeader(QImage& image, const QString& caption,
                    const std::function<void(QPainter&, double)>& icon) {
    const double h = image.height();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, h);
    fill.setColorAt(0, QColor(238, 245, 252));
    fill.setColorAt(1, tone::Centre);
    p.fillRect(image.rect(), fill);
    p.fillRect(QRect(0, image.height() - 1, image.width(), 1), tone::SoftBorder);

    icon(p, std::floor((h - 1) / 2.0));
    putText(p, caption, chineseFont(13, true), tone::Ink, QRectF(26, 0, 160, h - 1), Along::Left);
}

void drawCurrentValueRow(QImage& image) {
    image.fill(tone::Centre);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    putText(p, say(u"当前颜色值："), chineseFont(14), tone::Ink, QRectF(4, 0, 94, 34));
}

void drawColumns(QImage& image, const std::vector<QColor>& columns) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixelColor(x, y, columns.at(static_cast<std::size_t>(x)));
}

} // namespace generator
