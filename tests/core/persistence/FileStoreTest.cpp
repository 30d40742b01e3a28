#include "core/persistence/FileStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// FIFOs, links and file systems of one's own are the POSIX system's; the rest holds on Windows too.
#ifndef _WIN32
#include "SmallFileSystem.h"

#include <sys/stat.h>
#endif

namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList Everything(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

TEST(FileStore, OnlyRegularFilesAreRead) {
    QTemporaryDir folder;
    const QString path = folder.filePath("fav");
    EXPECT_FALSE(ReadFileIfExists(path));
    WriteFileAtomically(path, "#FF0000\r\n");
    EXPECT_EQ(ReadFileIfExists(path), QByteArray("#FF0000\r\n"));
    WriteFileAtomically(path, "");
    EXPECT_EQ(ReadFileIfExists(path), QByteArray());
    EXPECT_THROW(ReadFileIfExists(folder.path()), FileError);
}

#ifndef _WIN32
TEST(FileStore, OnlyRegularFilesAreReadNotFifosOrBrokenLinks) {
    QTemporaryDir folder;
    ::alarm(20); // a read that waits on a FIFO ends the test rather than hanging it
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.filePath("fifo")).constData(), 0600), 0);
    QFile::link(folder.filePath("nothing"), folder.filePath("dangling"));
    for (const char* name : {"fifo", "dangling"})
        EXPECT_THROW(ReadFileIfExists(folder.filePath(name)), FileError) << name;
    ::alarm(0);
}

TEST(FileStore, OnlyRegularFilesAreReplaced) {
    QTemporaryDir folder;
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.filePath("fifo")).constData(), 0600), 0);
    QDir(folder.path()).mkdir("folder");
    QFile::link(folder.filePath("nothing"), folder.filePath("dangling"));
    for (const char* name : {"fifo", "folder", "dangling"})
        EXPECT_THROW(WriteFileAtomically(folder.filePath(name), "x"), FileError) << name;
    EXPECT_EQ(Everything(folder.path()), (QStringList{"dangling", "fifo", "folder"}));
    EXPECT_THROW(WriteFileAtomically("/proc/tintra-cannot-be-here", "x"), FileError);
}

TEST(FileStore, ALinkStaysAndTheFileItPointsAtIsReplaced) {
    QTemporaryDir folder;
    WriteFileAtomically(folder.filePath("real"), "old");
    QFile::setPermissions(folder.filePath("real"), QFile::ReadOwner | QFile::WriteOwner);
    QFile::link(folder.filePath("real"), folder.filePath("fav"));
    WriteFileAtomically(folder.filePath("fav"), "new");
    EXPECT_TRUE(QFileInfo(folder.filePath("fav")).isSymLink());
    EXPECT_EQ(Contents(folder.filePath("real")), "new");
    EXPECT_FALSE(QFileInfo(folder.filePath("real")).permission(QFile::ReadOther)); // kept from the old file
}

// On a file system that fills up, whatever the size of the write against the file buffer's 16 KiB:
// the former file stays whole and nothing is left beside it.
TEST(FileStore, AFullDiskLeavesTheFormerFileWhole) {
    SmallFileSystem disk(64);
    if (!disk.Mounted())
        GTEST_SKIP() << "no file system can be mounted here (neither root nor a user namespace)";
    const QString path = disk.Path("fav");
    for (qsizetype former : {100, 30'000}) {
        const QByteArray old(former, 'o');
        WriteFileAtomically(path, old);
        QFile filler(disk.Path("filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        while (filler.write(QByteArray(1024, 'f')) == 1024 && filler.flush())
            ;
        filler.close();
        // Room for a few bytes only: both a write that fits the buffer and one larger than it fail.
        QFile::resize(disk.Path("filler"), QFileInfo(disk.Path("filler")).size() - 4096);
        for (qsizetype size : {8'000, 40'000}) {
            EXPECT_THROW(WriteFileAtomically(path, QByteArray(size, 'n')), FileError)
                << former << " " << size;
            EXPECT_EQ(Contents(path), old);
            EXPECT_EQ(Everything(disk.Path("")), (QStringList{"fav", "filler"}));
        }
        QFile::remove(disk.Path("filler"));
    }
}
#endif

TEST(FileStore, AReplacementThatNeverCommitsLeavesNothing) {
    QTemporaryDir folder;
    WriteFileAtomically(folder.filePath("favcol"), "255\r\n");
    {
        FileReplacement pending(folder.filePath("favcol"));
        pending.Write("16711680\r\n");
        pending.Finish();
    }
    EXPECT_EQ(Contents(folder.filePath("favcol")), "255\r\n");
    EXPECT_EQ(Everything(folder.path()), QStringList{"favcol"});
}

// What a stopped CommitTogether left: a new first file without its second is dropped, and a marker
// naming anything but a file's own new version beside it moves nothing. The marker goes either way.
TEST(FileStore, AnInterruptedCommitMovesOnlyTheNewFilesItsMarkerNames) {
    const struct {
        const char* FirstNew;
        QStringList Waiting;
        QStringList After;
    } cases[] = {
        {".fav.new-1-1", {".fav.new-1-1"}, {"fav", "favcol"}},
        {"default", {"default", ".favcol.new-1-1"}, {".favcol.new-1-1", "default", "fav", "favcol"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.FirstNew);
        QTemporaryDir folder;
        const QString at = folder.path() + '/';
        for (const QString& name : QStringList{"fav", "favcol"} + c.Waiting)
            WriteFileAtomically(at + name, name.toUtf8());
        const QByteArray marker = (at + c.FirstNew).toUtf8() + '\0' + (at + "fav").toUtf8() + '\0' +
                                  (at + ".favcol.new-1-1").toUtf8() + '\0' + (at + "favcol").toUtf8() + '\0';
        WriteFileAtomically(at + ".fav.new-pair", marker);
        FinishInterruptedCommit(at + ".fav.new-pair");
        EXPECT_EQ(Everything(folder.path()), c.After);
        EXPECT_EQ(Contents(at + "fav"), "fav");
        EXPECT_EQ(Contents(at + "favcol"), "favcol");
    }
}

TEST(FileStore, DataFoldersBesideTheProgramOrInTheConfigFolder) {
    QTemporaryDir program, config;
    const QString programFolder = program.path() + "/", configFolder = config.path() + "/tintra/";
    const QStringList names{"default", "fav"};
    EXPECT_EQ(ChooseDataFolders(programFolder, configFolder, names).Write, programFolder);
    EXPECT_EQ(Everything(program.path()), QStringList{}); // the probe is gone

    // Where nothing can be made beside the program, files kept there are still read.
    const DataFolders first = ChooseDataFolders("/proc/", configFolder, names);
    EXPECT_EQ(first.Read, "/proc/");
    EXPECT_EQ(first.Write, configFolder);
    EXPECT_TRUE(QDir(configFolder).exists());
    WriteFileAtomically(configFolder + "fav", "");
    EXPECT_EQ(ChooseDataFolders("/proc/", configFolder, names).Read, configFolder);

    // An installed program has no folder of its own to keep files in.
    QTemporaryDir home;
    const QString installedConfig = home.path() + "/.config/Tintra/";
    const DataFolders installed = ChooseDataFolders({}, installedConfig, names);
    EXPECT_EQ(installed.Read, installedConfig);
    EXPECT_EQ(installed.Write, installedConfig);
    EXPECT_TRUE(QDir(installedConfig).exists());
}

} // namespace
