#pragma once

class QFont;
class QPainter;
class QRect;
class QString;

// Writes a list row's text from the row's top-left corner with its baseline where the window's own
// typeface puts it (at 88% of the font's pixel height), so that a stand-in font with a taller line
// still fits the row instead of being cut off at its foot.
void DrawRowText(QPainter& painter, const QRect& row, const QString& text);

// The y of the baseline DrawRowText writes a row's text on, in the coordinates the row is given in.
int RowBaseline(const QFont& font, const QRect& row);
