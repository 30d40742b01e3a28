#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include <memory>
#include <optional>

// The X11 root window read directly, on a connection of its own, in the screen's device pixels: the
// pointer with one request, which brings what was drawn since the last look along in the same wait; a
// rectangle of pixels with one request, through shared memory where the server offers it, in any
// true-colour pixel format (16, 24 and 30 bits among them); and whether anything in a region changed since
// the last look, from the damage the server keeps. Gives nothing where it cannot: no X server, or a root
// window of colour-mapped pixels.
class XcbScreen {
public:
    XcbScreen();
    ~XcbScreen();
    XcbScreen(const XcbScreen&) = delete;
    XcbScreen& operator=(const XcbScreen&) = delete;

    bool Available() const { return root_ != nullptr; }
    std::optional<QPoint> Pointer() const;
    // The picture may share its memory with the next grab: use it before grabbing again.
    std::optional<QImage> Grab(const QRect& region);
    // Whether anything drew in the region since the last call; always true without damage reports.
    bool Changed(const QRect& region);

private:
    struct Root;
    std::unique_ptr<Root> root_;
};
