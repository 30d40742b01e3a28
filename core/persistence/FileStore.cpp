#include "core/persistence/FileStore.h"

#include "core/persistence/SystemFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>

FileError::FileError(const QString& path, const QString& reason)
    : std::runtime_error((path + QStringLiteral(": ") + reason).toStdString()), Path(path), Reason(reason) {}

QString FileError::Told(const std::string& message) const {
    return QString::asprintf(message.c_str(), Path.toUtf8().constData(), Reason.toUtf8().constData());
}

namespace {

// Why the system refused, in the words of the program's messages; the system's own words for the rare
// rest.
QString ReasonFor(int error) {
    switch (error) {
    case 0: // a failure that left no reason behind
        return QCoreApplication::translate("FileStore", "读写出错");
    case ENOENT:
        return QCoreApplication::translate("FileStore", "文件或文件夹不存在");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("FileStore", "没有权限");
    case ENOSPC:
        return QCoreApplication::translate("FileStore", "磁盘已满");
#ifdef EDQUOT
    case EDQUOT:
        return QCoreApplication::translate("FileStore", "超出磁盘配额");
#endif
    case EFBIG:
        return QCoreApplication::translate("FileStore", "文件太大");
    case EROFS:
        return QCoreApplication::translate("FileStore", "文件系统只读");
    case EISDIR:
        return QCoreApplication::translate("FileStore", "这是文件夹");
    case ENOTDIR:
        return QCoreApplication::translate("FileStore", "路径中有一段不是文件夹");
    case ENAMETOOLONG:
        return QCoreApplication::translate("FileStore", "文件名太长");
    case EIO:
        return QCoreApplication::translate("FileStore", "读写出错");
    case EBUSY:
        return QCoreApplication::translate("FileStore", "文件正被占用");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

QString SystemReason() { return ReasonFor(errno); }

// Whether a name stands in the folder at all, a link to nothing included.
bool Exists(const QString& path) {
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// What keeps the path from being a regular file to read or replace, or nothing.
std::optional<QString> NotARegularFile(const QFileInfo& info) {
    if (info.isSymLink() && !info.exists())
        return QCoreApplication::translate("FileStore", "链接指向的文件不存在");
    if (info.isDir())
        return QCoreApplication::translate("FileStore", "这是文件夹，不是文件");
    if (!info.isFile())
        return QCoreApplication::translate("FileStore", "不是普通文件");
    return std::nullopt;
}

void Rename(const QString& from, const QString& to) {
    std::error_code error;
    std::filesystem::rename(SystemFiles::NativePath(from), SystemFiles::NativePath(to), error);
    if (error)
        throw FileError(to, ReasonFor(error.value()));
}

QString FolderOf(const QString& path) { return QFileInfo(path).absolutePath(); }

void SyncFoldersOf(const QString& first, const QString& second) {
    SystemFiles::SyncFolder(FolderOf(first));
    if (FolderOf(second) != FolderOf(first))
        SystemFiles::SyncFolder(FolderOf(second));
}

} // namespace

std::optional<QByteArray> ReadFileIfExists(const QString& path) {
    if (!Exists(path))
        return std::nullopt;
    if (const auto problem = NotARegularFile(QFileInfo(path)))
        throw FileError(path, *problem);
    QFile file;
    if (!SystemFiles::OpenForReading(file, path))
        throw FileError(path, errno == 0 ? QCoreApplication::translate("FileStore", "不是普通文件")
                                         : SystemReason());
    // One spare byte, so that a list that lacks its last line end can take one without a copy.
    const qint64 size = file.size();
    QByteArray bytes;
    bytes.reserve(size + 1);
    bytes.resize(size);
    qint64 got = 0;
    while (got < size) {
        const qint64 n = file.read(bytes.data() + got, size - got);
        if (n < 0)
            throw FileError(path, SystemReason());
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
        // Tried by the system's own rule, so that root, who may write anything, still does.
        if (!QFileInfo(target_).isWritable())
            Fail(ReasonFor(EACCES));
    }
    static std::atomic<int> serial = 0;
    const QFileInfo target(target_);
    pending_.setFileName(target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                         QStringLiteral(".new-%1-%2").arg(QCoreApplication::applicationPid()).arg(++serial));
    if (!pending_.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        Fail(SystemReason());
    if (target.exists())
        pending_.setPermissions(QFile::permissions(target_));
}

FileReplacement::~FileReplacement() {
    if (!committed_ && !kept_) {
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
            Fail(SystemReason());
        done += n;
    }
}

void FileReplacement::Finish() {
    if (!pending_.flush())
        Fail(SystemReason());
    if (!SystemFiles::SyncToDisk(pending_))
        Fail(SystemReason());
    pending_.close();
    if (pending_.error() != QFileDevice::NoError)
        Fail(SystemReason());
}

void FileReplacement::Commit() {
    try {
        Rename(pending_.fileName(), target_);
    } catch (const FileError& error) {
        Fail(error.Reason);
    }
    committed_ = true;
}

void WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    FileReplacement file(path);
    file.Write(bytes);
    file.Finish();
    file.Commit();
}

namespace {

// The marker of CommitTogether: each new file and the file it replaces, absolute, each ended by NUL,
// which no path holds.
QByteArray Marker(const FileReplacement& first, const FileReplacement& second) {
    QByteArray marker;
    for (const FileReplacement* file : {&first, &second})
        marker += QFileInfo(file->NewPath()).absoluteFilePath().toUtf8() + '\0' +
                  QFileInfo(file->Target()).absoluteFilePath().toUtf8() + '\0';
    return marker;
}

struct WaitingFile {
    QString NewPath;
    QString Target;
};

// The two new files a marker names, or nothing when it is not such a marker. Only a file's own new
// version, beside it, is ever taken: a marker cannot move anything else.
std::optional<std::pair<WaitingFile, WaitingFile>> ReadMarker(const QByteArray& marker) {
    const QList<QByteArray> fields = marker.split('\0');
    if (fields.size() != 5 || !fields[4].isEmpty())
        return std::nullopt;
    WaitingFile files[2];
    for (int i = 0; i < 2; ++i) {
        files[i] = {QString::fromUtf8(fields[2 * i]), QString::fromUtf8(fields[2 * i + 1])};
        const QFileInfo newFile(files[i].NewPath), target(files[i].Target);
        if (!newFile.isAbsolute() || !target.isAbsolute() ||
            newFile.absolutePath() != target.absolutePath() ||
            !newFile.fileName().startsWith('.' + target.fileName() + QStringLiteral(".new-")))
            return std::nullopt;
    }
    return std::pair{files[0], files[1]};
}

} // namespace

void CommitTogether(FileReplacement& first, FileReplacement& second, const QString& markerPath) {
    first.Finish();
    second.Finish();
    WriteFileAtomically(markerPath, Marker(first, second));
    SystemFiles::SyncFolder(FolderOf(markerPath));
    try {
        first.Commit();
    } catch (const FileError&) {
        QFile::remove(markerPath); // nothing replaced: both new files go
        throw;
    }
    try {
        second.Commit();
    } catch (const FileError&) {
        second.Keep(); // the first is in place: the next start puts the second beside it
        throw;
    }
    SyncFoldersOf(first.Target(), second.Target());
    QFile::remove(markerPath);
}

void FinishInterruptedCommit(const QString& markerPath) {
    const auto marker = ReadFileIfExists(markerPath);
    if (!marker)
        return;
    if (const auto files = ReadMarker(*marker)) {
        const auto& [first, second] = *files;
        // Both were whole and synced before the marker was written, so a second still waiting is
        // put in place, with its first if that waits too.
        if (Exists(second.NewPath)) {
            if (Exists(first.NewPath))
                Rename(first.NewPath, first.Target);
            Rename(second.NewPath, second.Target);
        } else if (Exists(first.NewPath)) {
            QFile::remove(first.NewPath);
        }
        SyncFoldersOf(first.Target, second.Target);
    }
    QFile::remove(markerPath);
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
