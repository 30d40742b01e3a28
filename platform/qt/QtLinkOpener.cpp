#include "platform/qt/QtLinkOpener.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

void QtLinkOpener::Open(const QString& target) {
    QDesktopServices::openUrl(QFileInfo::exists(target) ? QUrl::fromLocalFile(target) : QUrl(target));
}
