#pragma once

#include <QImage>
#include <QRegion>

#include <memory>

class QWidget;

// A control whose pictures go straight into its own window on the screen, pixel for pixel, past the
// toolkit's painting and the waits that come with it: for a view redrawn forty times a second.
class DirectView {
public:
    virtual ~DirectView() = default;
    // Shows a picture in device pixels the size of the control's window, of which only the changed part
    // (in device pixels) differs from the picture put before: the rest of the window may be left as it
    // shows. False when the window is not on the screen yet (or no longer), where the toolkit must paint
    // it when it is.
    virtual bool Put(const QImage& picture, const QRegion& changed) = 0;
    // A picture of that size in device pixels to draw the next put's on, in memory the screen reads
    // from, so that putting it copies nothing; null where there is none. It is valid until the put after
    // the next one.
    virtual QImage Canvas(QSize size) = 0;
};

// Makes direct views where the desktop allows it; none elsewhere, where the toolkit paints as usual.
class DirectViews {
public:
    virtual ~DirectViews() = default;
    virtual std::unique_ptr<DirectView> Create(QWidget* control) = 0;
};
