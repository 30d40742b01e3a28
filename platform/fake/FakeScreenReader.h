#pragma once

#include "platform/ScreenReader.h"

#include <QRegion>

// A desktop that is a picture: its pixels are the monitors', from (0, 0), and the pointer is wherever
// a test puts it. One monitor the picture's size, unless a test lays out others.
class FakeScreenReader final : public ScreenReader {
public:
    QImage Screen;
    QPoint Pointer;
    QList<Monitor> Layout;
    bool Unreadable = false;
    bool PointerUnknown = false;
    // Where the screen was drawn on since the reader last looked; everywhere until a test says otherwise.
    QRegion Drawn = QRect(-100000, -100000, 200000, 200000);
    int Grabs = 0;
    int PixelReads = 0;

    QPoint PointerPosition() const override { return Pointer; }
    bool PointerKnown() const override { return !PointerUnknown; }

    std::optional<ColorValue> ScreenPixelSource(int x, int y) override {
        ++PixelReads;
        if (Unreadable)
            return std::nullopt;
        if (!Screen.valid(x, y))
            return -1;
        const QRgb rgb = Screen.pixel(x, y);
        return PackRgb(qRed(rgb), qGreen(rgb), qBlue(rgb));
    }

    QImage GrabRegion(const QRect& region) override {
        ++Grabs;
        if (Unreadable)
            return {};
        QImage part(region.size(), QImage::Format_RGB32);
        part.fill(Qt::black);
        for (int y = 0; y < region.height(); ++y)
            for (int x = 0; x < region.width(); ++x)
                if (Screen.valid(region.x() + x, region.y() + y))
                    part.setPixel(x, y, Screen.pixel(region.x() + x, region.y() + y));
        return part;
    }

    bool ScreenChanged(const QRect& region) override {
        const bool changed = Drawn.intersects(region);
        Drawn = QRegion();
        return changed;
    }

    QList<Monitor> Monitors() const override {
        return Layout.isEmpty() ? QList<Monitor>{{Screen.rect(), 1}} : Layout;
    }
};
