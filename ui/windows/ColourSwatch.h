#pragma once

#include "core/colour/ColorValue.h"

#include <QLabel>

// One swatch of the random colour window: a colour that previews when the mouse comes onto it and is
// taken with a click.
class ColourSwatch : public QLabel {
    Q_OBJECT
public:
    explicit ColourSwatch(QWidget* parent);

    ColorValue Color() const { return colour_; }
    void SetColor(ColorValue colour);

signals:
    void MouseEnter();
    void Clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ColorValue colour_ = 0;
};
