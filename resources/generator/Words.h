#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

namespace generator {

// The language the words of the pictures are drawn in: the program's Chinese, or English for the
// English program, whose pictures lie in a folder of their own.
extern bool English;
// How many words the picture being drawn has said: one without is the same in every language.
extern int WordsSaid;

// A picture's words in the language drawn.
QString say(const char16_t* chinese);

QFont chineseFont(int pixelSize, bool bold = false);

// Without the CJK faces Qt would quietly fall back to whatever it finds and the
// captions would come out as boxes or in a foreign-looking face.
void requireChineseFont();

enum class Along { Left, Centre, Right };

// Writes `text` into `box`. Vertically the box of an ideograph is centred, so
// every caption sits at the same height whatever strokes its characters have;
// `centreInk` centres the text's own ink instead (for Latin words). Horizontally
// the text starts at, is centred in or ends at the box. The pen position is
// rounded to whole pixels so the glyphs stay sharp. Text whose ink would leave
// the box is refused rather than drawn clipped. Returns the ink rectangle.
QRectF putText(QPainter& p, const QString& text, const QFont& font, const QColor& color, const QRectF& box,
               Along along = Along::Centre, bool centreInk = false);

} // namespace generator
