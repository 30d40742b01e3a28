#pragma once

#include <QColor>

#include <algorithm>

namespace generator {

// The program's colours, so that every picture looks like part of the same window.
namespace tone {
const QColor Window(245, 250, 254);
const QColor Centre(218, 232, 245);
const QColor Banner(32, 32, 68);
const QColor Accent(52, 120, 200);
const QColor AccentLight(92, 156, 226);
const QColor AccentDeep(32, 84, 152);
const QColor Border(84, 104, 130);
const QColor SoftBorder(166, 186, 208);
const QColor Ink(30, 42, 62);
const QColor MutedInk(96, 112, 134);
} // namespace tone

inline QColor mix(const QColor& from, const QColor& to, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(from.redF() + (to.redF() - from.redF()) * t),
                            static_cast<float>(from.greenF() + (to.greenF() - from.greenF()) * t),
                            static_cast<float>(from.blueF() + (to.blueF() - from.blueF()) * t));
}

} // namespace generator
