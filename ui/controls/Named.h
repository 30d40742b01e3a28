#pragma once

#include "ui/controls/WindowColors.h"

#include <QString>

// Gives the control its window-definition name as its objectName.
template <class Control>
Control* Named(Control* control, const char* name) {
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

// A named plain panel in a colour of its own.
inline QWidget* NamedPanel(QWidget* parent, const char* name, ColorValue color = WindowColor) {
    return Named(ColoredPanel(parent, color), name);
}
