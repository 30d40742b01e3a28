#pragma once

#include <QFont>

// The windows' typeface, SimSun, at a pixel height; where it is missing a CJK font with the same
// characters stands in, so every Chinese text renders.
QFont SongTi(int pixelHeight);

// SimHei, the bold sans-serif of the about window, with a CJK stand-in where it is missing.
QFont HeiTi(int pixelHeight);
