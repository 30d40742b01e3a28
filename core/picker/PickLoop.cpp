#include "core/picker/PickLoop.h"

#include "core/collections/ClipboardOutput.h"
#include "core/collections/ColourList.h"
#include "core/collections/HistoryList.h"
#include "core/colour/CurrentColour.h"
#include "ui/picker/Magnifier.h"
#include "ui/picker/SpeedButton.h"
#include "ui/picker/TFrmScreenColor.h"
#include "core/picker/Timer.h"
#include "platform/Platform.h"
#include "platform/ScreenReader.h"
#include "core/Guard.h"

PickLoop::PickLoop(TFrmScreenColor& window) : QObject(&window), window_(window) {}

bool PickLoop::PickingOn() const { return window_.BtnStartGetColor->Tag == 1; }

void PickLoop::TimerGetColorTimer() {
    RunGuarded(
        [this] {
            if (window_.FirstTick) {
                // The first tick switches picking on and drops the rows the last run left.
                window_.FirstTick = false;
                SwitchPickingOn();
                window_.History->Model().ClearRows();
                window_.TimerGetColor->SetInterval(1000);
                return;
            }
            if (!PickingOn())
                return;
            ScreenReader& screen = window_.Desktop().Screen();
            const QPoint pointer = screen.PointerPosition();
            const ColorValue colour = screen.ScreenPixelSource(pointer.x(), pointer.y());
            if (window_.History->RepeatRuleHolds(colour))
                return;
            window_.Current->ShowAsCurrentColor(colour);
            window_.History->AddToHistory();
            window_.Clipboard->PaintCopySample();
        },
        [this] { StopTimers(); });
}

void PickLoop::StopTimers() {
    RunGuarded([this] {
        window_.TimerGetColor->SetEnabled(false);
        window_.TimerShowZoom->SetEnabled(false);
    });
}

void PickLoop::BtnStartGetColorClick() {
    RunGuarded([this] {
        TogglePickState();
        if (PickingOn()) {
            window_.TimerShowZoom->SetEnabled(true);
            window_.TimerGetColor->SetEnabled(true);
            window_.Zoom->ShowZoomPanel();
        } else {
            window_.TimerShowZoom->SetEnabled(false);
            window_.TimerGetColor->SetEnabled(true);
            window_.Zoom->ShowPalettePanel();
        }
    });
}

void PickLoop::TogglePickState() {
    SpeedButton* button = window_.BtnStartGetColor;
    if (button->Tag == 0) {
        button->Tag = 1;
        button->LoadGlyph(QStringLiteral("cStartGetColor"));
    } else {
        button->Tag = 0;
        button->LoadGlyph(QStringLiteral("ncStartGetColor"));
    }
}

void PickLoop::SwitchPickingOn() {
    window_.BtnStartGetColor->Tag = 0;
    window_.BtnStartGetColor->click();
}

void PickLoop::SwitchPickingOff() {
    window_.BtnStartGetColor->Tag = 1;
    window_.BtnStartGetColor->click();
}
