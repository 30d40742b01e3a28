#include "core/persistence/FileStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

FileError::FileError(const QString& path, const QString& reason)
    : std::runtime_error((path + QStringLiteral(": ") + reason).toStdString()), Path(path), Reason(reason) {}

QString FileError::Told(const std::string& message) const {
    return QString::asprintf(message.c_str(), Path.toUtf8().constData(), Reason.toUtf8().constData());
}

namespace {

QString SystemReason() { return QString::fromLocal8Bit(std::strerror(errno)); }

// The path as the system's file calls take it: on Windows in UTF-16, which holds any name, where the
// code page may not.
std::filesystem::path NativePath(const QString& path) {
#ifdef Q_OS_WIN
    return path.toStdWString();
#else
    return QFile::encodeName(path).toStdString();
#endif
}

// Whether a name stands in the folder at all, a link to nothing included.
bool Exists(const QString& path) {
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// What keeps the path from being a regular file to read or replace, or nothing.
std::optional<QString> NotARegularFile(const QFileInfo& info) {
    if (info.isSymLink() && !info.exists())
        return QStringLiteral("a link to nothing");
    if (info.isDir())
        return QStringLiteral("a folder, not a file");
    if (!info.isFile())
        return QStringLiteral("not a regular file");
    return std::nullopt;
}

} // namespace

std::optional<QByteArray> ReadFileIfExists(const QString& path) {
    if (!Exists(path))
        return std::nullopt;
    if (const auto problem = NotARegularFile(QFileInfo(path)))
        throw FileError(path, *problem);
#ifdef Q_OS_WIN
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(path, file.errorString());
#else
    // Opened without waiting, and checked again once open: a FIFO put there meanwhile must not hang us.
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        throw FileError(path, SystemReason());
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        throw FileError(path, QStringLiteral("not a regular file"));
    }
    ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle))
        throw FileError(path, file.errorString());
#endif
    // One spare byte, so that a list that lacks its last line end can take one without a copy.
    const qint64 size = file.size();
    QByteArray bytes;
    bytes.reserve(size + 1);
    bytes.resize(size);
    qint64 got = 0;
    while (got < size) {
        const qint64 n = file.read(bytes.data() + got, size - got);
        if (n < 0)
            throw FileError(path, file.errorString());
        if (n == 0)
            break; // cut short meanwhile
        got += n;
    }
    bytes.truncate(got);
    return bytes;
}

FileReplacement::FileReplacement(const QString& path) : path_(path), target_(path) {
    const QFileInfo info(path);
    if (Exists(path)) {
        if (const auto problem = NotARegularFile(info))
            Fail(*problem);
        target_ = info.canonicalFilePath();
    }
    static std::atomic<int> serial = 0;
    const QFileInfo target(target_);
    pending_.setFileName(target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                         QStringLiteral(".new-%1-%2").arg(QCoreApplication::applicationPid()).arg(++serial));
    if (!pending_.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        Fail(pending_.errorString());
    if (target.exists())
        pending_.setPermissions(QFile::permissions(target_));
}

FileReplacement::~FileReplacement() {
    if (!committed_) {
        pending_.close();
        QFile::remove(pending_.fileName());
    }
}

void FileReplacement::Fail(const QString& reason) const { throw FileError(path_, reason); }

void FileReplacement::Write(const QByteArray& bytes) {
    // Unbuffered: a short write, a full disk say, shows here and not only once the file is renamed.
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = pending_.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            Fail(pending_.errorString());
        done += n;
    }
}

void FileReplacement::Finish() {
    if (!pending_.flush())
        Fail(pending_.errorString());
#ifdef Q_OS_WIN
    const bool synced = ::_commit(pending_.handle()) == 0;
#else
    const bool synced = ::fsync(pending_.handle()) == 0;
#endif
    if (!synced)
        Fail(SystemReason());
    pending_.close();
    if (pending_.error() != QFileDevice::NoError)
        Fail(pending_.errorString());
}

void FileReplacement::Commit() {
    std::error_code error;
    std::filesystem::rename(NativePath(pending_.fileName()), NativePath(target_), error);
    if (error)
        Fail(QString::fromLocal8Bit(error.message()));
    committed_ = true;
}

void WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    FileReplacement file(path);
    file.Write(bytes);
    file.Finish();
    file.Commit();
}

namespace {

QString WithSlash(const QString& folder) { return folder.endsWith('/') ? folder : folder + '/'; }

// Whether a file can be made in the folder: tried, not guessed from permission bits.
bool CanMakeFilesIn(const QString& folder) {
    QTemporaryFile probe(WithSlash(folder) + QStringLiteral(".tintra-probe-XXXXXX"));
    return probe.open();
}

} // namespace

DataFolders ChooseDataFolders(const QString& programFolder, const QString& configFolder,
                              const QStringList& fileNames) {
    const QString config = WithSlash(configFolder);
    if (programFolder.isEmpty()) {
        QDir().mkpath(config);
        return {config, config};
    }
    const QString program = WithSlash(programFolder);
    if (CanMakeFilesIn(program))
        return {program, program};
    QDir().mkpath(config);
    for (const QString& name : fileNames)
        if (Exists(config + name))
            return {config, config};
    return {program, config};
}
