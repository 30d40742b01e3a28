#pragma once

#include <QString>

class ColourList;

// The history rows saved to a colour list file of the user's choosing, and replaced from one.

// Replaces the rows by the file's entries, first line on top; the values stay, so row i keeps the
// colour of value i where there is one. Nothing happens when there is no such file; throws FileError
// when it cannot be read.
void OpenColourList(ColourList& history, const QString& path);

// Writes the rows, top row first, under exactly that name: no extension is added and a file there is
// replaced without a question. Throws FileError when it cannot be written.
void SaveColourList(const ColourList& history, const QString& path);
