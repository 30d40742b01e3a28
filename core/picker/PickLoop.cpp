#include "core/picker/PickLoop.h"

#include "core/collections/ClipboardOutput.h"
#include "core/collections/HistoryList.h"
#include "core/color/CurrentColor.h"
#include "core/Guard.h"
#include "core/Logging.h"

PickLoop::PickLoop(CurrentColor& current, HistoryList& history, ClipboardOutput& clipboard, QObject* parent)
    : QObject(parent), current_(current), history_(history), clipboard_(clipboard) {
    connect(&TimerGetColor, &Timer::Tick, this, &PickLoop::TimerGetColorTimer);
}

void PickLoop::TimerGetColorTimer() {
    RunGuarded(
        [this] {
            if (firstTick_) {
                // The first tick switches picking on and drops the rows the last run left.
                firstTick_ = false;
                if (way_ == PickingWay::Live)
                    SwitchPickingOn();
                else
                    emit WaitingForButton();
                history_.ClearRows();
                TimerGetColor.SetInterval(1000);
                return;
            }
            if (!on_)
                return;
            // A colour that was not read is never taken for one.
            const std::optional<ColorValue> color = ReadScreen();
            if (!color) {
                qCDebug(lcPicking, "no colour under the pointer: the screen could not be read there");
                emit ScreenUnreadable();
                return;
            }
            if (history_.RepeatRuleHolds(*color))
                return;
            current_.ShowAsCurrentColor(*color);
            history_.AddToHistory(current_.Text(), current_.Color());
            clipboard_.PaintCopySample();
        },
        [this] { StopTimers(); });
}

void PickLoop::StopTimers() {
    RunGuarded([this] {
        TimerGetColor.SetEnabled(false);
        TimerShowZoom.SetEnabled(false);
    });
}

void PickLoop::BtnStartGetColorClick() {
    RunGuarded([this] {
        if (way_ == PickingWay::OneShot) {
            emit OneShotRequested();
            return;
        }
        if (way_ == PickingWay::None) {
            emit AccessMissing();
            return;
        }
        TogglePickState();
        TimerShowZoom.SetEnabled(on_);
        TimerGetColor.SetEnabled(true);
        emit PickingChanged(); // the magnifier or the palette panel shows
    });
}

void PickLoop::TogglePickState() {
    on_ = !on_;
    switched_ = true;
}

void PickLoop::SwitchPickingOn() {
    on_ = false;
    BtnStartGetColorClick();
}

void PickLoop::SwitchPickingOff() {
    if (way_ == PickingWay::OneShot || way_ == PickingWay::None)
        return; // never on, and the button would ask for a pick
    on_ = true;
    BtnStartGetColorClick();
}
