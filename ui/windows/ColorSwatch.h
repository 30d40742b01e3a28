#pragma once

#include "core/color/ColorValue.h"

#include <QLabel>

// One swatch of the random colour window: a colour that previews when the mouse comes onto it and is
// taken with a click; from the keyboard, it previews when Tab reaches it and is taken with Space or Enter.
class ColorSwatch : public QLabel {
    Q_OBJECT
public:
    explicit ColorSwatch(QWidget* parent);

    ColorValue Color() const { return color_; }
    void SetColor(ColorValue color);
    // Previews the colour and takes it, as the mouse does on its way in and its click.
    void Take();

signals:
    void MouseEnter();
    void Clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ColorValue color_ = 0;
};
