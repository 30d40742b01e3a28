#pragma once

#include "core/color/ColorFormats.h"

#include <QString>

#include <functional>

class Platform;

using TextOut = std::function<void(const QString&)>;

// tintra --pick: one colour through the desktop's screen access, as the window would pick it, written
// in the style given and the locale's decimal separator. Where the screen may be read at any time the
// pixel under the pointer is read once; a pick mode or the desktop's own tool is started and its
// colour waited for. A colour is written only when one was read: anything else is told on `problem`.
// A desktop that asks before it shares its screen is given the key it gave the window, and a new key it
// gives back is kept as the window would keep it. Returns the exit status.
int RunPickCommand(Platform& platform, ColorTextStyle style, const TextOut& color, const TextOut& problem);
