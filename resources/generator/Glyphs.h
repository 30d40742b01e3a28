#pragma once

#include <QImage>

class QPainter;

namespace generator {

// The small signs: the list headers' star and page, drawn round a middle line, and the zoom buttons'
// magnifying glasses.
void drawStar(QPainter& p, double middle);
void drawPage(QPainter& p, double middle);
void drawMagnifierGlyph(QImage& image, bool plus);

} // namespace generator
