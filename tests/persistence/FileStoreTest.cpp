#include "persistence/FileStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

TEST(FileStore, ReadsWhatThereIs) {
    QTemporaryDir folder;
    const QString path = folder.filePath("fav");
    EXPECT_FALSE(ReadFileIfExists(path));
    WriteFileAtomically(path, "#FF0000\r\n");
    EXPECT_EQ(ReadFileIfExists(path), QByteArray("#FF0000\r\n"));
    WriteFileAtomically(path, "");
    EXPECT_EQ(ReadFileIfExists(path), QByteArray());
    EXPECT_THROW(ReadFileIfExists(folder.path()), std::exception); // there, but no file to read
}

TEST(FileStore, AWriteThatFailsHalfWayLeavesTheFormerFileWhole) {
    QTemporaryDir folder;
    const QString path = folder.filePath("favcol");
    const QByteArray former = "255\r\n16711680\r\n";
    WriteFileAtomically(path, former);

    // Files may grow to 4 KiB only: the next write runs out of room part of the way through.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    rlimit small = before;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    EXPECT_THROW(WriteFileAtomically(path, QByteArray(100'000, '7')), std::exception);
    setrlimit(RLIMIT_FSIZE, &before);

    EXPECT_EQ(Contents(path), former);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{"favcol"}); // no leftovers
}

TEST(FileStore, WritingWhereNoFileCanBeMadeFails) {
    EXPECT_THROW(WriteFileAtomically("/proc/tintra-cannot-be-here", "x"), std::exception);
}

TEST(FileStore, TheProgramFolderWhenFilesCanBeMadeThereElseTheConfigFolder) {
    QTemporaryDir program, config;
    EXPECT_EQ(ChooseDataFolder(program.path(), config.path() + "/tintra"), program.path() + "/");
    EXPECT_EQ(QDir(program.path()).entryList(QDir::Files | QDir::Hidden), QStringList{}); // the probe is gone

    const QString fallback = config.path() + "/tintra/";
    EXPECT_EQ(ChooseDataFolder("/proc/", fallback), fallback);
    EXPECT_TRUE(QDir(fallback).exists());
}

} // namespace
