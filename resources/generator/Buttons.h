#pragma once

#include <QColor>
#include <QImage>
#include <QString>

namespace generator {

// Push buttons and check boxes.

struct Face {
    QColor top;
    QColor bottom;
    QColor border;
};

const Face CalmFace{QColor(98, 160, 228), QColor(44, 106, 186), QColor(28, 72, 134)};
const Face ActiveFace{QColor(238, 116, 98), QColor(196, 60, 50), QColor(134, 36, 30)};

void drawButton(QImage& image, const QString& caption, const Face& face);
void drawCheckBox(QImage& image, const QString& caption, bool ticked);

} // namespace generator
