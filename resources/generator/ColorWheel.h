#pragma once

#include <QColor>
#include <QPointF>

class QPainter;

namespace generator {

// The little colour wheel with a picking ring in the middle: the product's mark.
void drawColorWheel(QPainter& p, const QPointF& centre, double radius, const QColor& hole);

} // namespace generator
