#pragma once

#include "core/color/ColorValue.h"

#include <QByteArray>

#include <stdexcept>
#include <vector>

// A palette in the GIMP's text format, which Inkscape and Krita read as well:
//
//   GIMP Palette
//   Name: Tintra
//   Columns: 0
//   # a comment
//   255   0   0	the colour's name, blanks and tabs and all
//
// After the first line, "Name:" and "Columns:" lines may come before the first colour; comments and
// blank lines anywhere. A colour line is three numbers from 0 to 255 and an optional name.

struct PaletteColor {
    QByteArray Name; // UTF-8
    ColorValue Color = ColorBlack;
    bool operator==(const PaletteColor&) const = default;
};

struct GimpPalette {
    QByteArray Name;
    std::vector<PaletteColor> Colors;
};

// Why a palette file was refused, with the line where it went wrong.
class PaletteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws PaletteError for anything but a whole, well-formed palette: a file is taken entire or not at
// all.
GimpPalette ParseGimpPalette(const QByteArray& bytes);

// LF line ends and a tab before each name, as the GIMP writes them; line breaks in a name become blanks.
QByteArray FormatGimpPalette(const GimpPalette& palette);
