#pragma once

#include <QWidget>

class ColorPicker;
class CentredText;

// The hint line at the window's foot: red, centred, word-wrapped, between empty spacers.
class HintLine : public QWidget {
    Q_OBJECT
public:
    HintLine(const ColorPicker& picker, QWidget* parent);

private:
    CentredText* text_;
};
