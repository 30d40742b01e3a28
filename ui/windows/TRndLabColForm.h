#pragma once

#include "core/colour/ColorValue.h"

#include <QDialog>
#include <QLabel>

#include <array>
#include <random>

class SpeedButton;

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

// The random colour window: 65 swatches of random colours; a click on one hands its colour to the
// main window.
class TRndLabColForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int SwatchCount = 65;

    explicit TRndLabColForm(QWidget* parent = nullptr);

    QLabel* LblColor;
    SpeedButton* BtnChangeRandomColor;
    SpeedButton* BtnClose;
    QLabel* LblRandomSelectColor;
    std::array<ColourSwatch*, SwatchCount> RandomLabels{};

    // True when the window was closed by a click on a swatch.
    bool Picked = false;
    // The colour the preview shows, the one a click hands over.
    ColorValue PreviewColor() const { return preview_; }

    void BtnChangeRandomColorClick();
    void BtnCloseClick();
    void LabelMouseEnter(ColourSwatch* swatch);
    void LabelClick();

    void setVisible(bool visible) override;

private:
    void FormCreate();
    ColorValue RandomColour();

    std::mt19937 random_;
    ColorValue preview_ = 16710389;
};
