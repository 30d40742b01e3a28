#pragma once

#include "core/colour/ColorValue.h"

#include <QColor>

inline QColor ToQColor(ColorValue value) { return QColor(RedOf(value), GreenOf(value), BlueOf(value)); }
