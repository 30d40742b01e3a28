#pragma once

#include <QObject>

class QLabel;
class QScrollBar;
class TFrmScreenColor;

// The red, green and blue bars: moving one composes the current colour and copies it; choosing or
// copying a colour sets them without feeding back.
class ColourAdjuster : public QObject {
    Q_OBJECT
public:
    explicit ColourAdjuster(TFrmScreenColor& window);

    void SbRChange();
    void SbGChange();
    void SbBChange();

    // The bars and labels follow the current colour, while the palette panel shows.
    void SyncAdjusterBars();

    // True only while the bars are being set from the current colour.
    bool BarsUpdating = false;

private:
    void BarChange(QScrollBar* bar, QLabel* label);

    TFrmScreenColor& window_;
};
