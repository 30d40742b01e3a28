#pragma once

#include "core/picker/MagnifierGeometry.h"
#include "core/picker/ScreenGeometry.h"
#include "ui/picker/WindowPlace.h"

#include <QImage>
#include <QWidget>

#include <memory>
#include <optional>

class ColorPicker;
class DirectView;
class ImageControl;
class PacedText;
class Platform;
class QKeyEvent;
class QLabel;

// The magnifier panel: every 25 ms while picking is on, the area round the pointer enlarged two to
// eight times with a cross-hair on the pointer's pixel, or a hint while the pointer is over the main
// window; and the pointer's position in the hint line.
class MagnifierPanel : public QWidget {
    Q_OBJECT
public:
    // ownWindow is where the window the panel lies in is, so that the pointer over it is told apart.
    MagnifierPanel(ColorPicker& picker, Platform& platform, const WindowPlace& ownWindow, QWidget* parent);
    ~MagnifierPanel() override;

    // True when the view was drawn anew: a resting pointer over a still screen draws nothing.
    bool TimerShowZoomTimer();
    // While picking, the view holds the keyboard: the arrow keys aim the pointer one device pixel at a
    // time (ten with Shift), and Enter copies the colour under it.
    void TakeKeyboard();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool AimKey(const QKeyEvent& key);
    void DrawHint();
    // Whether the view was drawn anew; nothing where the screen cannot be read, the view keeping its
    // last picture.
    std::optional<bool> DrawEnlargement(QPoint pointer, const QList<Monitor>& monitors);
    void ShowZoom();
    void Present(const QImage& canvas);

    ColorPicker& picker_;
    Platform& platform_;
    const WindowPlace ownWindow_;
    ImageControl* view_;
    // Where the desktop allows it, enlargements go to the screen past Qt's painting; made when first
    // needed, once the window is up.
    std::unique_ptr<DirectView> direct_;
    bool directTried_ = false;
    QLabel* factor_;
    PacedText* pointerColor_;
    // What the view shows: where it reads the screen, at what size, and the hash of the pixels it read
    // there.
    struct Shown {
        ZoomPlan Plan;
        QSize Size;
        size_t Pixels;
    };
    std::optional<Shown> shown_;
};
