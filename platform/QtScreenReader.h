#pragma once

#include "platform/ScreenReader.h"

class QtScreenReader final : public ScreenReader {
public:
    QPoint PointerPosition() const override;
    ColorValue ScreenPixelSource(int x, int y) override;
    QImage GrabRegion(const QRect& region) override;
    QSize PrimaryScreenSize() const override;
};
