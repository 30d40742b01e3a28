#include "platform/win/WinSystemColors.h"

#include <windows.h>

ColorValue WinSystemColors::SystemColor(int index) const {
    // 25 names no colour; some systems answer for it all the same.
    if (index < 0 || index > COLOR_MENUBAR || index == 25)
        return 0;
    return static_cast<ColorValue>(GetSysColor(index)); // red in the low byte, as in a colour value
}
