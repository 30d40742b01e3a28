#include "AboutCard.h"

#include "ColorWheel.h"
#include "Tone.h"
#include "Words.h"

#include <QLinearGradient>
#include <QPainter>

namespace generator {

void drawAboutCard(QImage& image) {
    const double w = image.width();
    const double h = image.height();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient fill(0, 0, 0, h);
    fill.setColorAt(0, Qt::white);
    fill.setColorAt(1, tone::Window);
    p.fillRect(image.rect(), fill);
    p.fillRect(QRect(0, 0, image.width(), 4), tone::Accent);
    p.setPen(QPen(tone::SoftBorder, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));

    drawColorWheel(p, QPointF(62, 62), 38, Qt::white);

    // The about window lays its version label over x 173..203, y 52..80 of the card, its link label
    // over x 135..311, y 122..143 (where the home page is written) and its close button over
    // x 242..299, y 190..216; those places stay plain but for the address.
    putText(p, QStringLiteral("Tintra"), chineseFont(38, true), tone::Accent, QRectF(120, 4, 220, 48),
            Along::Left, true);
    putText(p, say(u"版本号："), chineseFont(13), tone::Ink, QRectF(112, 58, 60, 18), Along::Right);
    putText(p, say(u"屏幕取色工具"), chineseFont(14, true), tone::Ink, QRectF(120, 86, 220, 19), Along::Left);
    p.fillRect(QRect(20, 112, image.width() - 40, 1), tone::SoftBorder);
    putText(p, say(u"主页："), chineseFont(13), tone::Ink, QRectF(70, 124, 62, 17), Along::Right);
    putText(p, QStringLiteral("tintra.app"), chineseFont(15), tone::Accent, QRectF(138, 122, 170, 20),
            Along::Left);
    putText(p, say(u"拾取、放大、调色与收藏屏幕上的颜色"), chineseFont(12), tone::MutedInk,
            QRectF(20, 152, 300, 16), Along::Left);
}

} // namespace generator
