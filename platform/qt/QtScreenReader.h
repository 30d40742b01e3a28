#pragma once

#include "platform/ScreenReader.h"
#include "platform/x11/XcbScreenGrab.h"

class QtScreenReader final : public ScreenReader {
public:
    QPoint PointerPosition() const override;
    ColorValue ScreenPixelSource(int x, int y) override;
    QImage GrabRegion(const QRect& region) override;
    QSize PrimaryScreenSize() const override;

private:
    XcbScreenGrab x11_; // one request a read on X11, where Qt's screen grab makes several
};
