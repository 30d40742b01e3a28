#pragma once

#include <QWidget>

class ColorPicker;
class CentredText;
class DirectViews;

// The hint line at the window's foot: red, centred, word-wrapped, between empty spacers; drawn straight
// to the screen where the desktop allows it, as it follows the pointer while picking.
class HintLine : public QWidget {
    Q_OBJECT
public:
    HintLine(const ColorPicker& picker, DirectViews& views, QWidget* parent);

private:
    CentredText* text_;
};
