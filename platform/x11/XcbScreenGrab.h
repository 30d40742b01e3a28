#pragma once

#include <QImage>
#include <QRect>

#include <optional>

// Reads a rectangle of the X11 root window with a single request. Gives nothing where it cannot (not
// on X11, a root window that is not 24-bit true colour, a rectangle outside the root window); the
// caller then reads through Qt's screens.
class XcbScreenGrab {
public:
    XcbScreenGrab();

    std::optional<QImage> Grab(const QRect& region) const;

private:
    struct Root;
    const Root* root_ = nullptr;
};
