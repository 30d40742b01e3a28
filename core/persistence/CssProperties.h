#pragma once

#include "core/persistence/GimpPalette.h"

#include <QByteArray>

#include <vector>

// Colours as CSS custom properties for a style sheet to use: "--colour-1: #FF0000;" and on, top row
// first, each with its name in a comment. Written only: a style sheet is no list to read back.
QByteArray FormatCssProperties(const std::vector<PaletteColor>& colors);
