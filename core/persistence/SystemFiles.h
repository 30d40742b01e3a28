#pragma once

#include <QFile>
#include <QString>

#include <filesystem>

// What reading and replacing files asks of the operating system itself, in a file of each system's.
namespace SystemFiles {

// The path as the system's file calls take it: on Windows in UTF-16, which holds any name, where the
// code page may not.
std::filesystem::path NativePath(const QString& path);

// Opens a regular file for reading; a FIFO put there meanwhile is not waited on. False, with errno
// set, where it cannot be opened; false with errno 0 where it is no regular file.
bool OpenForReading(QFile& file, const QString& path);

// Writes what the file holds through to the disk; false, with errno set, where that failed.
bool SyncToDisk(QFile& file);

// Makes the renames and removals in a folder last, as far as the system lets a folder be synced.
void SyncFolder(const QString& folder);

} // namespace SystemFiles
