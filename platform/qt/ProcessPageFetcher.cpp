#include "platform/qt/ProcessPageFetcher.h"

#include "platform/qt/ProgramFiles.h"

#include "core/Logging.h"

#include <QProcess>

namespace {

// The helper's largest page, grown by its conversion to UTF-8, and its address.
constexpr qint64 LargestAnswer = 8 * 1024 * 1024;

} // namespace

ProcessPageFetcher::ProcessPageFetcher(QString helperFolder) : helperFolder_(std::move(helperFolder)) {}

void ProcessPageFetcher::Fetch(const QUrl& address, std::function<void(const Page&)> done) {
    auto* helper = new QProcess;
    const QString folder = helperFolder_.isEmpty() ? ProgramFiles().HelperFolder() : helperFolder_;
    QObject::connect(helper, &QProcess::finished, helper,
                     [helper, address, done = std::move(done)](int status, QProcess::ExitStatus how) {
                         helper->deleteLater();
                         const QByteArray out = helper->readAllStandardOutput();
                         const qsizetype lineEnd = out.indexOf('\n');
                         Page page{address.toString(), {}};
                         if (lineEnd >= 0)
                             page.Location = QString::fromUtf8(out.left(lineEnd));
                         if (how == QProcess::NormalExit && status == 0)
                             page.Html = QString::fromUtf8(out.mid(lineEnd + 1));
                         else
                             qCDebug(lcPageFetch) << "no page from" << address << "(status" << status << ")";
                         done(page);
                     });
    QObject::connect(helper, &QProcess::errorOccurred, helper, [helper](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            emit helper->finished(1, QProcess::CrashExit); // no helper: the page could not be loaded
    });
    // The helper refuses large pages itself; a helper gone wrong still cannot fill the program.
    QObject::connect(helper, &QProcess::readyReadStandardOutput, helper, [helper] {
        if (helper->bytesAvailable() > LargestAnswer)
            helper->kill();
    });
    // What the helper logs (QT_LOGGING_RULES="tintra.fetch.debug=true") goes where the program's own does.
    helper->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    helper->start(folder + QStringLiteral("/tintra_fetch"), {address.toString(QUrl::FullyEncoded)});
}
