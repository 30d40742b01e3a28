#pragma once

#include "core/persistence/FileStore.h"
#include "core/persistence/IniDocument.h"

#include <QPoint>
#include <QSet>
#include <QString>
#include <QStringList>

class ColorPicker;

// The user's choices and lists between runs: the settings file "default" and the list files
// "colors", "fav" and "favcol", read once at the start and written once at the end. A file that
// could not be read is never written over.
// The desktop's key to its screen share as the settings file at path keeps it; nothing where the file
// cannot be read. For the command line's pick, which reads no other setting.
std::optional<QString> StoredShareToken(const QString& path);
// Writes the key into the settings file (read from one path, written to another), the rest as it was;
// a file that cannot be read is left alone. Whether the key was kept.
bool StoreShareToken(const QString& readPath, const QString& writePath, const QString& token);

class SettingsStore {
public:
    // The files' names, in the order they are read and written.
    static const QStringList FileNames;

    explicit SettingsStore(ColorPicker& picker);

    void LoadSettings(const DataFolders& folders);
    // The window's place is written too, though nothing reads it back.
    void SaveSettings(QPoint windowPosition);

    // What could not be read at the start, and what the last save could not write: one line each.
    const QStringList& ReadProblems() const { return readProblems_; }
    const QStringList& SaveProblems() const { return saveProblems_; }

private:
    std::optional<QByteArray> Read(const QString& name);

    ColorPicker& picker_;
    DataFolders folders_;
    bool loaded_ = false;
    IniDocument settings_;
    QSet<QString> unreadable_; // the names of the files that are left as they are
    QStringList readProblems_, saveProblems_;
};
