#include "core/picker/Timer.h"

Timer::Timer(int interval, bool enabled, QObject* parent) : QObject(parent) {
    timer_.setTimerType(Qt::PreciseTimer); // ticks keep their period, not a rounded one
    timer_.setInterval(interval);
    connect(&timer_, &QTimer::timeout, this, &Timer::Tick);
    SetEnabled(enabled);
}

void Timer::SetEnabled(bool enabled) {
    if (enabled == Enabled())
        return;
    if (enabled)
        timer_.start();
    else
        timer_.stop();
}

void Timer::SetInterval(int interval) {
    if (interval != timer_.interval())
        timer_.setInterval(interval); // a running timer starts its period anew
}
