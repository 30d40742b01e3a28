#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include <optional>

// The X11 root window read directly, in its device pixels: the pointer with one request, a rectangle
// of pixels with one request, in any true-colour pixel format the server keeps (16, 24 and 30 bits
// among them). Gives nothing where it cannot: not on X11, or a root window of colour-mapped pixels.
class XcbScreen {
public:
    XcbScreen();

    bool Available() const { return root_ != nullptr; }
    std::optional<QPoint> Pointer() const;
    std::optional<QImage> Grab(const QRect& region) const;

private:
    struct Root;
    const Root* root_ = nullptr;
};
