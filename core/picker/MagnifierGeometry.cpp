#include "core/picker/MagnifierGeometry.h"

#include <cmath>

ZoomPlan PlanZoom(int x, int y, int viewWidth, int viewHeight, int level, int screenWidth, int screenHeight) {
    // Halves round to the even neighbour: 43.5 gives 44, 22.5 gives 22.
    const int hx = static_cast<int>(std::nearbyint(viewWidth / (4.0 * level)));
    const int hy = static_cast<int>(std::nearbyint(viewHeight / (4.0 * level)));
    ScreenRect s{x - hx, y - hy, x + hx, y + hy};

    // Kept on the primary screen by moving, never by shrinking; each test sees the moves before it, so
    // for a source larger than the screen the later move wins.
    auto move = [&s](int dx, int dy) { s = {s.Left + dx, s.Top + dy, s.Right + dx, s.Bottom + dy}; };
    if (s.Left < 0)
        move(-s.Left, 0);
    if (s.Top < 0)
        move(0, -s.Top);
    if (s.Right > screenWidth)
        move(screenWidth - s.Right, 0);
    if (s.Bottom > screenHeight)
        move(0, screenHeight - s.Bottom);

    return {s, 2 * level * (x - s.Left), 2 * level * (y - s.Top), viewWidth / 4, viewHeight / 4};
}
