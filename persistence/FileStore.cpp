#include "persistence/FileStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <stdexcept>

std::optional<QByteArray> ReadFileIfExists(const QString& path) {
    QFile file(path);
    if (!file.exists())
        return std::nullopt;
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot open " + path.toStdString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw std::runtime_error("cannot read " + path.toStdString());
    return bytes;
}

void WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw std::runtime_error("cannot write " + path.toStdString());
}

namespace {

QString WithSlash(const QString& folder) { return folder.endsWith('/') ? folder : folder + '/'; }

// Whether a file can be made in the folder: tried, not guessed from permission bits.
bool CanMakeFilesIn(const QString& folder) {
    QTemporaryFile probe(WithSlash(folder) + QStringLiteral(".tintra-probe-XXXXXX"));
    return probe.open();
}

} // namespace

QString ChooseDataFolder(const QString& programFolder, const QString& configFolder) {
    if (CanMakeFilesIn(programFolder))
        return WithSlash(programFolder);
    QDir().mkpath(configFolder);
    return WithSlash(configFolder);
}
