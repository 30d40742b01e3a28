#pragma once

#include "core/picker/ScreenGeometry.h"

// The monitors as Qt's screens give them, the primary one first, each in device pixels with the
// scale Qt draws it at.
QList<Monitor> QtMonitors();
