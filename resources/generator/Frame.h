#pragma once

#include <QImage>

namespace generator {

// The frame is painted once as a whole small window and then cut into its nine
// pieces, so corners and edges meet without a step. Every ring of the frame keeps
// one colour along its side, which is what lets the side pieces be tiled.
namespace frame {
constexpr int Left = 7;
constexpr int Top = 12;
constexpr int Right = 13;
constexpr int Bottom = 11;
constexpr int Span = 64;
constexpr int Width = Left + Span + Right;
constexpr int Height = Top + Span + Bottom;

// Makes the picture the piece of the frame whose corner is at x, y.
void cut(QImage& image, int x, int y);
} // namespace frame

} // namespace generator
