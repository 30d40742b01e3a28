#pragma once

#include <QObject>

class TFrmScreenColor;

// Picking: once a second while it is on, the colour under the pointer becomes the current colour and,
// when it differs from the history's focused row, a new history row. The start/stop button switches it.
class PickLoop : public QObject {
    Q_OBJECT
public:
    explicit PickLoop(TFrmScreenColor& window);

    bool PickingOn() const;

    void TimerGetColorTimer();
    void BtnStartGetColorClick();

    // Other code switches picking through the button's click action, never around it.
    void SwitchPickingOn();
    void SwitchPickingOff();

    // Both picking timers stop: what a failing tick of either does.
    void StopTimers();

private:
    void TogglePickState();

    TFrmScreenColor& window_;
};
