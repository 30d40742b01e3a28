#pragma once

#include "core/collections/ClipboardOutput.h"
#include "core/color/ColorValue.h"

#include <QColor>
#include <QImage>

inline QColor ToQColor(ColorValue value) { return QColor(RedOf(value), GreenOf(value), BlueOf(value)); }

// The sample picture that goes to the clipboard: one solid rectangle of the colour.
inline QImage SamplePicture(ColorValue color) {
    QImage picture(ClipboardOutput::SampleWidth, ClipboardOutput::SampleHeight, QImage::Format_RGB32);
    picture.fill(ToQColor(color));
    return picture;
}
