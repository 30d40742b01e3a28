#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <optional>
#include <stdexcept>
#include <string>

// Whole-file reading and writing for the settings and list files. Only regular files are read or
// replaced: anything else in a file's place (a folder, a FIFO, a device, a link to nothing) counts as
// a file that cannot be read, and is left as it is.

// Why a file could not be read or written, with the file's path.
class FileError : public std::runtime_error {
public:
    FileError(const QString& path, const QString& reason);
    // The message, a format that takes the path and then the reason.
    QString Told(const std::string& message) const;
    QString Path;
    QString Reason;
};

// The file's bytes; nothing when there is no such file. Throws FileError when something is there that
// cannot be read as a file.
std::optional<QByteArray> ReadFileIfExists(const QString& path);

// A new version of a file, written beside it in full and synced to disk; it takes the file's place
// only on Commit, by one rename, and is removed if it never does. A link is followed: the file it
// points at is replaced and the link stays. A file the user may not write is left as it is, though a
// rename could take its place. Every step throws FileError when it fails.
class FileReplacement {
public:
    explicit FileReplacement(const QString& path);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    void Write(const QByteArray& bytes);
    // Flushed, synced and closed: what remains is the rename.
    void Finish();
    void Commit();
    // The new file stays where it is, committed or not, for a later start to put in place.
    void Keep() { kept_ = true; }

    QString NewPath() const { return pending_.fileName(); }
    const QString& Target() const { return target_; }

private:
    [[noreturn]] void Fail(const QString& reason) const;

    QString path_;   // the file the user named
    QString target_; // the file replaced: the path, or the file a link there points at
    QFile pending_;
    bool committed_ = false;
    bool kept_ = false;
};

void WriteFileAtomically(const QString& path, const QByteArray& bytes);

// Two files replaced as one. Both new files are finished; then a marker naming them is written and
// synced, each takes its place, and the marker goes. A stop anywhere between leaves the marker for
// FinishInterruptedCommit, which puts the rest in place, so the two files are always of one save.
void CommitTogether(FileReplacement& first, FileReplacement& second, const QString& markerPath);
// What a CommitTogether stopped part-way left at markerPath, finished: the new files still waiting
// take their places (a second without its first is dropped), and the marker goes. Nothing there,
// nothing done. Throws FileError when a file cannot be put in place; the marker then stays.
void FinishInterruptedCommit(const QString& markerPath);

// Where the settings and list files are read and written, each with a final "/".
struct DataFolders {
    QString Read;
    QString Write;
};

// Beside the program when files can be made there. Otherwise they are written to the user's
// configuration folder, and read from there once it holds any of them, else still from beside the
// program, so that files kept there before are not lost. Without a program folder (an installed
// program keeps nothing beside itself) both are the configuration folder.
DataFolders ChooseDataFolders(const QString& programFolder, const QString& configFolder,
                              const QStringList& fileNames);
