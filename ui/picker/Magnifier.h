#pragma once

#include <QImage>
#include <QObject>

class TFrmScreenColor;

// The magnifier: every 25 ms while picking is on, the area round the pointer enlarged two to eight
// times with a cross-hair on the pointer's pixel, or a hint while the pointer is over the main window.
class Magnifier : public QObject {
    Q_OBJECT
public:
    explicit Magnifier(TFrmScreenColor& window);

    void TimerShowZoomTimer();
    void ShowZoomPanel();
    void ShowPalettePanel();
    void BtnZoomInClick();
    void BtnZoomoutClick();

private:
    void DrawHint();
    void DrawEnlargement(QPoint pointer);
    void SetLevel(int level);

    TFrmScreenColor& window_;
    QImage frame_; // the enlargement being made, kept so that its memory is reused
};
