#pragma once

#include "core/persistence/FileStore.h"
#include "core/persistence/IniDocument.h"

#include <QPoint>
#include <QSet>
#include <QString>
#include <QStringList>

class ColourPicker;

// The user's choices and lists between runs: the settings file "default" and the list files
// "colors", "fav" and "favcol", read once at the start and written once at the end. A file that
// could not be read is never written over.
class SettingsStore {
public:
    // The files' names, in the order they are read and written.
    static const QStringList FileNames;

    explicit SettingsStore(ColourPicker& picker);

    void LoadSettings(const DataFolders& folders);
    // The window's place is written too, though nothing reads it back.
    void SaveSettings(QPoint windowPosition);

    // What could not be read at the start, and what the last save could not write: one line each.
    const QStringList& ReadProblems() const { return readProblems_; }
    const QStringList& SaveProblems() const { return saveProblems_; }

private:
    std::optional<QByteArray> Read(const QString& name);

    ColourPicker& picker_;
    DataFolders folders_;
    bool loaded_ = false;
    IniDocument settings_;
    QSet<QString> unreadable_; // the names of the files that are left as they are
    QStringList readProblems_, saveProblems_;
};
