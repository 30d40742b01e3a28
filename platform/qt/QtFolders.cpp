#include "platform/qt/QtFolders.h"

#include <QCoreApplication>
#include <QStandardPaths>

QString QtFolders::ProgramFolder() const { return QCoreApplication::applicationDirPath() + '/'; }

QString QtFolders::ConfigFolder() const {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + '/';
}
