#include "core/picker/MagnifierGeometry.h"

#include <cmath>

ZoomPlan PlanZoom(int x, int y, int viewWidth, int viewHeight, int level, ScreenRect monitor) {
    // Halves round to the even neighbour: 43.5 gives 44, 22.5 gives 22.
    const int hx = static_cast<int>(std::nearbyint(viewWidth / (4.0 * level)));
    const int hy = static_cast<int>(std::nearbyint(viewHeight / (4.0 * level)));
    ScreenRect s{x - hx, y - hy, x + hx, y + hy};

    // Kept on the pointer's monitor by moving, never by shrinking; each test sees the moves before it,
    // so for a source larger than the monitor the later move wins.
    auto move = [&s](int dx, int dy) { s = {s.Left + dx, s.Top + dy, s.Right + dx, s.Bottom + dy}; };
    if (s.Left < monitor.Left)
        move(monitor.Left - s.Left, 0);
    if (s.Top < monitor.Top)
        move(0, monitor.Top - s.Top);
    if (s.Right > monitor.Right)
        move(monitor.Right - s.Right, 0);
    if (s.Bottom > monitor.Bottom)
        move(0, monitor.Bottom - s.Bottom);

    return {s, 2 * level * (x - s.Left), 2 * level * (y - s.Top), viewWidth / 4, viewHeight / 4};
}
