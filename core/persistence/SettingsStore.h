#pragma once

#include "core/persistence/FileStore.h"
#include "core/persistence/IniDocument.h"

#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

class TFrmScreenColor;

// The user's choices and lists between runs: the settings file "default" and the list files
// "colors", "fav" and "favcol", read once as the main window is made and written once as it goes.
// One program keeps a data folder at a time; a file that could not be read is never written over.
class SettingsStore : public QObject {
    Q_OBJECT
public:
    explicit SettingsStore(TFrmScreenColor& window);

    void LoadSettings();
    void SaveSettings();

    // Where the files are written.
    QString SettingsPath, ColorsPath, FavPath, FavColPath;

    // Whether another copy of the program keeps the data folder: this one then reads and writes nothing.
    bool AnotherCopyRuns() const { return anotherCopyRuns_; }
    const DataFolders& Places() const { return folders_; }
    // What could not be read at the start, and what the last save could not write: one line each.
    const QStringList& ReadProblems() const { return readProblems_; }
    const QStringList& SaveProblems() const { return saveProblems_; }

private:
    std::optional<QByteArray> Read(const QString& name);

    TFrmScreenColor& window_;
    DataFolders folders_;
    bool anotherCopyRuns_ = false;
    bool loaded_ = false;
    IniDocument settings_;
    QSet<QString> unreadable_; // the names of the files that are left as they are
    QStringList readProblems_, saveProblems_;
};
