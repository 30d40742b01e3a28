#pragma once

#include "platform/Platform.h"

#include <memory>

// The desktop the program runs on, with the back ends that reach it: the only place that knows which
// desktop that is.
std::unique_ptr<Platform> LoadPlatform();
