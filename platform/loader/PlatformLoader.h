#pragma once

#include "platform/Platform.h"

#include <QString>

#include <memory>

// The desktop the program runs on, with the back ends that reach it: the only place that knows which
// desktop that is.
std::unique_ptr<Platform> LoadPlatform();

// Why no desktop can show the program's windows, in a line; nothing where one can. Asked before the
// toolkit starts, which would otherwise end the process itself. Where only the Wayland display can be
// reached, the toolkit is pointed at it.
QString WhyNoDisplay();
