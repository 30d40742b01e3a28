#include "platform/qt/QtLinkOpener.h"

#include <QFileInfo>
#include <QProcess>
#include <QUrl>

// The desktop's own opener, whose status says whether it found a program; a missing opener is said too.
void QtLinkOpener::Open(const QString& target) {
    const QUrl url = QFileInfo::exists(target) ? QUrl::fromLocalFile(target) : QUrl(target);
    auto* opener = new QProcess;
    opener->setProgram(QStringLiteral("xdg-open"));
    opener->setArguments({url.toString(QUrl::FullyEncoded)});
    opener->setStandardOutputFile(QProcess::nullDevice());
    opener->setStandardErrorFile(QProcess::nullDevice());
    const auto failed = [this, target] {
        if (Failed)
            Failed(target);
    };
    QObject::connect(opener, &QProcess::finished, opener,
                     [opener, failed](int status, QProcess::ExitStatus how) {
                         opener->deleteLater();
                         if (how != QProcess::NormalExit || status != 0)
                             failed();
                     });
    QObject::connect(opener, &QProcess::errorOccurred, opener,
                     [opener, failed](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         opener->deleteLater();
                         failed();
                     });
    opener->start();
}
