#pragma once

#include <QFont>

// Names the faces that stand in for the windows' own (SimSun, SimHei, Book Antiqua, MS Sans Serif)
// where a machine lacks them. Called once, before the first window is made.
void UseStandInFaces();

// The windows' typeface, SimSun, at a pixel height.
QFont SongTi(int pixelHeight);

// SimHei, the about window's typeface.
QFont HeiTi(int pixelHeight);
