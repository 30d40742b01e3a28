#pragma once

#include <QObject>
#include <QTimer>

// A periodic timer with an enabled flag and an interval. Changing either to a new value restarts the
// period; setting the value it already has changes nothing.
class Timer : public QObject {
    Q_OBJECT
public:
    Timer(int interval, bool enabled, QObject* parent = nullptr);

    bool Enabled() const { return timer_.isActive(); }
    void SetEnabled(bool enabled);
    int Interval() const { return timer_.interval(); }
    void SetInterval(int interval);
    // Milliseconds to the next tick, -1 while disabled.
    int RemainingTime() const { return timer_.remainingTime(); }

signals:
    void Tick();

private:
    QTimer timer_;
};
