#pragma once

#include "core/colour/ColorValue.h"

#include <QDialog>

#include <array>
#include <random>

class ColourSwatch;
class QLabel;

// The random colour window: 65 swatches of random colours; a click on one closes the window and
// hands its colour to the main window.
class RandomColourWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr int SwatchCount = 65;

    explicit RandomColourWindow(QWidget* parent = nullptr);

    const std::array<ColourSwatch*, SwatchCount>& Swatches() const { return swatches_; }

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

    QLabel* previewSwatch_;
    QLabel* hint_;
    std::array<ColourSwatch*, SwatchCount> swatches_{};
    std::mt19937 random_;
    ColorValue preview_ = 16710389;
};
