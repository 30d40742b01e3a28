#pragma once

#include "core/picker/ScreenGeometry.h"

#include <QImage>
#include <QWidget>

#include <optional>

class ColourPicker;
class ImageControl;
class Platform;
class QLabel;

// The magnifier panel: every 25 ms while picking is on, the area round the pointer enlarged two to
// eight times with a cross-hair on the pointer's pixel, or a hint while the pointer is over the main
// window; and the pointer's position in the hint line.
class MagnifierPanel : public QWidget {
    Q_OBJECT
public:
    MagnifierPanel(ColourPicker& picker, Platform& platform, const QWidget& mainWindow, QWidget* parent);

    // True when the view was drawn anew: a resting pointer over a still screen draws nothing.
    bool TimerShowZoomTimer();

private:
    void DrawHint();
    // Whether the view was drawn anew; nothing where the screen cannot be read, the view keeping its
    // last picture.
    std::optional<bool> DrawEnlargement(QPoint pointer, const QList<Monitor>& monitors);
    void ShowZoom();

    ColourPicker& picker_;
    Platform& platform_;
    const QWidget& mainWindow_;
    ImageControl* view_;
    QLabel* factor_;
    QImage frame_; // the enlargement being made, kept so that its memory is reused
};
