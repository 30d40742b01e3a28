#pragma once

#include "platform/ScreenReader.h"

#include <QImage>

// A desktop that is a picture: its pixels are the screen's, from (0, 0).
class FakeScreenReader final : public ScreenReader {
public:
    QImage Screen;

    ColorValue ScreenPixelSource(int x, int y) override {
        if (!Screen.valid(x, y))
            return -1;
        const QRgb rgb = Screen.pixel(x, y);
        return PackRgb(qRed(rgb), qGreen(rgb), qBlue(rgb));
    }
};
