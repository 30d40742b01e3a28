#pragma once

#include "core/color/ColorValue.h"

class QColor;
class QWidget;

// The background of the windows and most of their panels: red 245, green 250, blue 254.
inline constexpr ColorValue WindowColor = 16710389;

// Fills the control's background with the colour.
void SetBackground(QWidget* widget, ColorValue color);

// Draws the control's text in the colour; its background stays what lies under it. (A style sheet would
// do the same at the cost of a style of the control's own.)
void SetTextColor(QWidget* widget, const QColor& color);

// A plain panel in a colour of its own.
QWidget* ColoredPanel(QWidget* parent, ColorValue color = WindowColor);
