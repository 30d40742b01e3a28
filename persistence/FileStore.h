#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Whole-file reading and writing for the settings and list files.

// The file's bytes; nothing when there is no such file. Fails when the file exists but cannot be read.
std::optional<QByteArray> ReadFileIfExists(const QString& path);

// Replaces the file whole: the bytes are written beside it, flushed to disk and renamed over it, so a
// crash, a full disk or a failing write leaves the former file as it was. Fails when not written.
void WriteFileAtomically(const QString& path, const QByteArray& bytes);

// The folder the settings and list files live in, with a final "/": the program's own folder when
// files can be made there, otherwise the user's configuration folder for the program.
QString ChooseDataFolder(const QString& programFolder, const QString& configFolder);
