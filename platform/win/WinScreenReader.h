#pragma once

#include "platform/ScreenReader.h"

#include <memory>

// The screen through GDI. The program is aware of each monitor's scale (its manifest says so), so the
// pointer, the pixels and the monitors all come in the monitors' device pixels, whatever their scaling.
class WinScreenReader final : public ScreenReader {
public:
    WinScreenReader();
    ~WinScreenReader() override;
    WinScreenReader(const WinScreenReader&) = delete;
    WinScreenReader& operator=(const WinScreenReader&) = delete;

    QPoint PointerPosition() const override;
    std::optional<ColorValue> ScreenPixelSource(int x, int y) override;
    QImage GrabRegion(const QRect& region) override;
    QList<Monitor> Monitors() const override;
    // GDI does not tell what was drawn: always true.
    bool ScreenChanged(const QRect& region) override;

private:
    struct Canvas;
    std::unique_ptr<Canvas> canvas_; // kept from one grab to the next, for the magnifier's 40 a second
};
