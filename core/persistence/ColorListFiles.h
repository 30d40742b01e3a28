#pragma once

#include <QString>

class ColorList;
class ColorPicker;

// The history rows saved to a colour list file of the user's choosing, and replaced from one; or
// exchanged with other programs as a GIMP palette, or saved as CSS custom properties.

// The kinds of file, in the order the dialogs offer them: the open dialog offers all but the last.
enum class ListFileKind { Colors, GimpPalette, CssProperties };

// The dialogs' filters, "description|pattern|…", the colour list files first.
QString OpenListFilter();
QString SaveListFilter();
// The kind of file the dialog's chosen filter stands for (an unknown one for a colour list file).
ListFileKind ListFileKindOf(int filter);

// Replaces the rows by the file's entries, first line on top; the values stay, so row i keeps the
// colour of value i where there is one. A palette replaces the values too, each colour with its name.
// Nothing happens when there is no such file; throws FileError when it cannot be read, or for a
// palette that is not whole and well formed.
void OpenColorList(ColorList& history, const QString& path, ListFileKind kind = ListFileKind::Colors);

// The name a file of that kind is saved under: a palette or a style sheet named without an extension
// gets the one other programs look for (".gpl", ".css"); a colour list file keeps the name as typed.
QString SavedName(const QString& typed, ListFileKind kind);

// Writes the rows, top row first, under exactly that name: no extension is added and a file there is
// replaced without a question. A palette or a style sheet names each colour by its row's text. Throws
// FileError when it cannot be written.
void SaveColorList(const ColorList& history, const QString& path, ListFileKind kind = ListFileKind::Colors);

// The window's two commands on the file the user chose: the history opened from it, or saved to it
// under SavedName. The hint line says a failure, and drops what an earlier one said once a step succeeds.
void OpenHistoryFile(ColorPicker& picker, const QString& path, ListFileKind kind);
void SaveHistoryFile(ColorPicker& picker, const QString& typed, ListFileKind kind);
