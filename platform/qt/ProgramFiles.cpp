#include "platform/qt/ProgramFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// The module, the file that tells where the helpers are.
bool HoldsModule(const QString& folder) {
    return QFileInfo(folder + QStringLiteral("/tintra_webengine.so")).isFile();
}

QString InstalledHelperFolder(const QString& programFolder) {
    return QDir::cleanPath(programFolder + QStringLiteral("/" TINTRA_HELPERS_FROM_PROGRAM));
}

} // namespace

ProgramFiles::ProgramFiles(QString programFolder)
    : programFolder_(programFolder.isEmpty() ? QCoreApplication::applicationDirPath()
                                             : std::move(programFolder)) {
    installed_ = !HoldsModule(programFolder_) && HoldsModule(InstalledHelperFolder(programFolder_));
}

QString ProgramFiles::HelperFolder() const {
    return installed_ ? InstalledHelperFolder(programFolder_) : programFolder_;
}
