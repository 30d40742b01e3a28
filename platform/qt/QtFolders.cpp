#include "platform/qt/QtFolders.h"

#include "platform/qt/ProgramFiles.h"

#include <QStandardPaths>

QString QtFolders::ProgramFolder() const {
    const ProgramFiles files;
    return files.Installed() ? QString() : files.ProgramFolder() + '/';
}

QString QtFolders::ConfigFolder() const {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + '/';
}
