#pragma once

#include "core/color/ColorValue.h"

#include <QDialog>

#include <array>
#include <random>

class ColorSwatch;
class QLabel;

// The random colour window: 65 swatches of random colours; a click on one closes the window and
// hands its colour to the main window.
class RandomColorWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr int SwatchCount = 65;

    explicit RandomColorWindow(QWidget* parent = nullptr);

    const std::array<ColorSwatch*, SwatchCount>& Swatches() const { return swatches_; }

    // True when the window was closed by a click on a swatch.
    bool Picked = false;
    // The colour the preview shows, the one a click hands over.
    ColorValue PreviewColor() const { return preview_; }

    void BtnChangeRandomColorClick();
    void BtnCloseClick();
    void LabelMouseEnter(ColorSwatch* swatch);
    void LabelClick();

    void setVisible(bool visible) override;

private:
    void FormCreate();
    ColorValue RandomColor();

    QLabel* previewSwatch_;
    QLabel* hint_;
    std::array<ColorSwatch*, SwatchCount> swatches_{};
    std::mt19937 random_;
    ColorValue preview_ = 16710389;
};
