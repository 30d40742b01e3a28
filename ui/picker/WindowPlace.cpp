#include "ui/picker/WindowPlace.h"

#include "platform/DesktopWindows.h"

WindowPlace::WindowPlace(const DesktopWindows& windows, const QWidget& window)
    : windows_(windows), window_(window) {}

bool WindowPlace::Minimised() const { return windows_.IsMinimised(&window_); }

QRect WindowPlace::Outer() const { return windows_.Outer(&window_); }
