#include "platform/win/WinPointerAim.h"

#include <windows.h>

bool WinPointerAim::MoveBy(int dx, int dy) {
    POINT at;
    return GetCursorPos(&at) && SetCursorPos(at.x + dx, at.y + dy);
}
