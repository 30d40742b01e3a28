#include "ui/controls/RowText.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>

int RowBaseline(const QFont& font, const QRect& row) {
    const int pixels = font.pixelSize() > 0 ? font.pixelSize() : QFontMetrics(font).height();
    return row.top() + static_cast<int>(std::lround(0.88 * pixels));
}

void DrawRowText(QPainter& painter, const QRect& row, const QString& text) {
    const int baseline = RowBaseline(painter.font(), row);
    painter.save();
    painter.setClipRect(row);
    painter.drawText(QPoint(row.left(), baseline), text);
    painter.restore();
}
