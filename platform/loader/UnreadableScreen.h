#pragma once

#include "platform/ScreenReader.h"

// A screen the program cannot read: every read gives nothing, so no colour is ever taken from it.
class UnreadableScreen final : public ScreenReader {
public:
    QPoint PointerPosition() const override { return {}; }
    std::optional<ColorValue> ScreenPixelSource(int, int) override { return std::nullopt; }
    QImage GrabRegion(const QRect&) override { return {}; }
    QList<Monitor> Monitors() const override { return {}; }
    bool ScreenChanged(const QRect&) override { return true; }
};
