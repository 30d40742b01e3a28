#pragma once

#include <cstdio>
#include <string>

inline constexpr double ProgramVersion = 1.6;

// The version as the caption, the about card and the banner request print it ("%1.1f": "1.6").
inline std::string ProgramVersionText() {
    char text[32];
    std::snprintf(text, sizeof text, "%1.1f", ProgramVersion);
    return text;
}
