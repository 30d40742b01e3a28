#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include <functional>
#include <vector>

class QPainter;

namespace generator {

// The backgrounds of the panels and the strips above and beside the lists.

void drawAdjusterBoard(QImage& image);
void drawMagnifierHeader(QImage& image);
// A list's heading: its caption after an icon drawn round the given middle line.
void drawListHeader(QImage& image, const QString& caption,
                    const std::function<void(QPainter&, double)>& icon);
void drawCurrentValueRow(QImage& image);
// The edges either side of a list panel: a shaded rail outside, a dark rule, and
// a light line against the list itself.
void drawColumns(QImage& image, const std::vector<QColor>& columns);

} // namespace generator
