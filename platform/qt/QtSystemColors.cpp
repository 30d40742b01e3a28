#include "platform/qt/QtSystemColors.h"

#include <QGuiApplication>
#include <QPalette>

#include <array>
#include <optional>

namespace {

struct PaletteEntry {
    QPalette::ColorGroup Group;
    QPalette::ColorRole Role;
};

// The palette colour that plays the part of each system colour index; index 25 has none.
constexpr std::array<std::optional<PaletteEntry>, 31> SystemColorRoles = {{
    PaletteEntry{QPalette::Active, QPalette::Button},          // 0 scroll bar
    PaletteEntry{QPalette::Active, QPalette::Dark},            // 1 desktop background
    PaletteEntry{QPalette::Active, QPalette::Highlight},       // 2 active caption
    PaletteEntry{QPalette::Inactive, QPalette::Mid},           // 3 inactive caption
    PaletteEntry{QPalette::Active, QPalette::Window},          // 4 menu
    PaletteEntry{QPalette::Active, QPalette::Base},            // 5 window
    PaletteEntry{QPalette::Active, QPalette::Shadow},          // 6 window frame
    PaletteEntry{QPalette::Active, QPalette::WindowText},      // 7 menu text
    PaletteEntry{QPalette::Active, QPalette::Text},            // 8 window text
    PaletteEntry{QPalette::Active, QPalette::HighlightedText}, // 9 caption text
    PaletteEntry{QPalette::Active, QPalette::Window},          // 10 active border
    PaletteEntry{QPalette::Inactive, QPalette::Window},        // 11 inactive border
    PaletteEntry{QPalette::Active, QPalette::Mid},             // 12 application workspace
    PaletteEntry{QPalette::Active, QPalette::Highlight},       // 13 highlight
    PaletteEntry{QPalette::Active, QPalette::HighlightedText}, // 14 highlight text
    PaletteEntry{QPalette::Active, QPalette::Button},          // 15 button face
    PaletteEntry{QPalette::Active, QPalette::Dark},            // 16 button shadow
    PaletteEntry{QPalette::Disabled, QPalette::Text},          // 17 grey text
    PaletteEntry{QPalette::Active, QPalette::ButtonText},      // 18 button text
    PaletteEntry{QPalette::Inactive, QPalette::WindowText},    // 19 inactive caption text
    PaletteEntry{QPalette::Active, QPalette::Light},           // 20 button highlight
    PaletteEntry{QPalette::Active, QPalette::Shadow},          // 21 3D dark shadow
    PaletteEntry{QPalette::Active, QPalette::Midlight},        // 22 3D light
    PaletteEntry{QPalette::Active, QPalette::ToolTipText},     // 23 tooltip text
    PaletteEntry{QPalette::Active, QPalette::ToolTipBase},     // 24 tooltip background
    std::nullopt,                                              // 25
    PaletteEntry{QPalette::Active, QPalette::Link},            // 26 hot-tracked item
    PaletteEntry{QPalette::Active, QPalette::Highlight},       // 27 active caption gradient
    PaletteEntry{QPalette::Inactive, QPalette::Mid},           // 28 inactive caption gradient
    PaletteEntry{QPalette::Active, QPalette::Highlight},       // 29 menu highlight
    PaletteEntry{QPalette::Active, QPalette::Window},          // 30 menu bar
}};

} // namespace

ColorValue QtSystemColors::SystemColor(int index) const {
    if (index < 0 || index >= static_cast<int>(SystemColorRoles.size()) || !SystemColorRoles[index])
        return 0;
    const QColor color =
        QGuiApplication::palette().color(SystemColorRoles[index]->Group, SystemColorRoles[index]->Role);
    return PackRgb(color.red(), color.green(), color.blue());
}
