#include "picker/RowText.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>

void DrawRowText(QPainter& painter, const QRect& row, const QString& text) {
    const int pixels =
        painter.font().pixelSize() > 0 ? painter.font().pixelSize() : QFontMetrics(painter.font()).height();
    const int baseline = row.top() + static_cast<int>(std::lround(0.88 * pixels));
    painter.save();
    painter.setClipRect(row);
    painter.drawText(QPoint(row.left(), baseline), text);
    painter.restore();
}
