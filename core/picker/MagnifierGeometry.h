#pragma once

// Where the magnifier reads the screen and where it draws its cross-hair. Rectangles are
// (Left, Top, Right, Bottom) in screen pixels with Right and Bottom outside.
struct ScreenRect {
    int Left, Top, Right, Bottom;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool operator==(const ScreenRect&) const = default;
};

struct ZoomPlan {
    ScreenRect Source;    // the screen area that fills the view
    int CentreX, CentreY; // the pointer's pixel in view coordinates
    int ArmX, ArmY;       // half lengths of the horizontal and vertical arms
    bool operator==(const ZoomPlan&) const = default;
};

// For the pointer at (x, y), a view of viewWidth by viewHeight at zoom level 1 to 4 (two to eight
// times) and the monitor the pointer is on. All in device pixels.
ZoomPlan PlanZoom(int x, int y, int viewWidth, int viewHeight, int level, ScreenRect monitor);

// The source pixel that view pixel i shows when sourceSize pixels are stretched over viewSize.
constexpr int StretchSourceIndex(int i, int viewSize, int sourceSize) {
    return static_cast<int>(static_cast<long long>(i) * sourceSize / viewSize);
}
