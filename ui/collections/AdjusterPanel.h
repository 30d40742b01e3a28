#pragma once

#include "core/collections/ColorAdjuster.h"

#include <QWidget>

#include <array>

class AdjusterBar;
class ClipboardOutput;
class ImageControl;
class QLabel;

// The palette panel: the red, green and blue bars with their numbers on the adjuster's board, and
// the hidden sample picture that goes to the clipboard in picture mode.
class AdjusterPanel : public QWidget {
    Q_OBJECT
public:
    AdjusterPanel(ColorAdjuster& adjuster, const ClipboardOutput& clipboard, QWidget* parent);

protected:
    // The board's picture is kept only while the panel shows: picking hides it, often for long.
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void LoadBoard();
    void ShowBars();
    void ShowSample();

    ColorAdjuster& adjuster_;
    const ClipboardOutput& clipboard_;
    std::array<AdjusterBar*, 3> bars_{};
    std::array<QLabel*, 3> numbers_{};
    ImageControl* board_;
    ImageControl* sample_;
};
