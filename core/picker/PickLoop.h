#pragma once

#include "core/color/ColorValue.h"
#include "core/picker/PickingWay.h"
#include "core/picker/Timer.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class ClipboardOutput;
class CurrentColor;
class HistoryList;

// Picking: once a second while it is on, the colour under the pointer becomes the current colour and,
// when it differs from the history's focused row, a new history row. The start/stop button switches
// it, and with it the magnifier's timer; the first tick switches it on where the desktop lets the
// program read the screen live. Elsewhere picking waits for the button: a pick mode takes over the
// whole screen, which must never happen by itself, and a one-shot pick is a press of the button.
class PickLoop : public QObject {
    Q_OBJECT
public:
    PickLoop(CurrentColor& current, HistoryList& history, ClipboardOutput& clipboard,
             QObject* parent = nullptr);

    Timer TimerGetColor{1000, true};
    Timer TimerShowZoom{25, false};

    bool PickingOn() const { return on_; }
    // Whether picking has been switched on or off since the start: until then the button shows no
    // picture and both panels stand as the window places them.
    bool Switched() const { return switched_; }
    // True from the start until the first tick has switched picking on.
    bool FirstTick() const { return firstTick_; }

    PickingWay Way() const { return way_; }
    void SetWay(PickingWay way) { way_ = way; }

    // The colour of the screen pixel under the pointer, as the desktop gives it; nothing where the
    // screen cannot be read.
    std::function<std::optional<ColorValue>()> ReadScreen;

    void TimerGetColorTimer();
    void BtnStartGetColorClick();
    // Other code switches picking through the button's click action, never around it.
    void SwitchPickingOn();
    void SwitchPickingOff();
    // Both picking timers stop: what a failing tick of either does.
    void StopTimers();

signals:
    void PickingChanged();
    // A tick found the screen unreadable and took no colour.
    void ScreenUnreadable();
    // The first tick left picking off: the button starts it (or cannot).
    void WaitingForButton();
    // The button asks the desktop's tool for one colour.
    void OneShotRequested();
    // The button was pressed where the screen cannot be read at all.
    void AccessMissing();

private:
    void TogglePickState();

    CurrentColor& current_;
    HistoryList& history_;
    ClipboardOutput& clipboard_;
    bool on_ = false;
    bool switched_ = false;
    bool firstTick_ = true;
    PickingWay way_ = PickingWay::Live;
};
