#include "core/persistence/SystemFiles.h"

#include <io.h>

namespace SystemFiles {

std::filesystem::path NativePath(const QString& path) { return path.toStdWString(); }

// Windows has no FIFOs in a folder: a plain open will do.
bool OpenForReading(QFile& file, const QString& path) {
    file.setFileName(path);
    return file.open(QIODevice::ReadOnly);
}

bool SyncToDisk(QFile& file) { return ::_commit(file.handle()) == 0; }

// Windows keeps a folder's entries without being asked.
void SyncFolder(const QString&) {}

} // namespace SystemFiles
