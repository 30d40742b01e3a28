#pragma once

#include "core/collections/ColourList.h"
#include "core/collections/HistoryList.h"
#include "core/picker/PickLoop.h"
#include "ui/picker/TFrmScreenColor.h"
#include "platform/fake/FakePlatform.h"

#include "../ListTexts.h"

#include <QColor>

// The main window on a fake desktop of 1920 by 1080 whose every pixel has its own colour: red is x,
// green is y and blue holds the high bits of both, so a test can tell which pixel it is looking at.
class PickingFixture {
public:
    PickingFixture() {
        platform.ScreenFake.Screen = QImage(1920, 1080, QImage::Format_RGB32);
        for (int y = 0; y < 1080; ++y)
            for (int x = 0; x < 1920; ++x)
                platform.ScreenFake.Screen.setPixel(x, y, ScreenPixel(x, y));
        platform.ScreenFake.Pointer = {1500, 900};
    }

    static QRgb ScreenPixel(int x, int y) { return qRgb(x & 255, y & 255, ((x >> 8) << 4) | (y >> 8)); }

    // Puts one colour under the pointer's spot.
    void PaintUnderPointer(QColor colour) {
        platform.ScreenFake.Screen.setPixelColor(platform.ScreenFake.Pointer, colour);
    }

    void Tick() { window.Picking->TimerGetColorTimer(); }

    // The first tick: picking switches on and the history is emptied.
    void StartPicking() { Tick(); }

    QStringList Rows() { return Texts(window.History->Model().Rows()); }
    QStringList Values() { return Texts(window.History->Model().Values()); }

    FakePlatform platform;
    TFrmScreenColor window{platform};
};
