// Fetches one web page and prints where it ended up (after redirections) on the first line and its
// HTML, as UTF-8, after it; exits 1, having printed the address alone, when the page could not be
// loaded. The program runs this for its one request to the maker's site, so that the network and TLS
// libraries never load into the program itself. A page larger than any banner page is refused, the
// whole fetch has a deadline, and the helper ends with the program that started it.
//   tintra_fetch ADDRESS [DEADLINE_SECONDS]
#include <QCoreApplication>
#include <QLoggingCategory>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStringDecoder>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>
#endif

namespace {

Q_LOGGING_CATEGORY(lcFetch, "tintra.fetch", QtWarningMsg)

// A banner page is a few kilobytes; anything near this is no banner page.
constexpr qint64 LargestPage = 2 * 1024 * 1024;
constexpr int DefaultDeadlineSeconds = 20;
// Between two pieces of the answer.
constexpr int TransferTimeoutMilliseconds = 15000;

// The helper must not outlive the program, whatever way the program ends.
void EndWithParent() {
#ifdef Q_OS_LINUX
    const pid_t parent = getppid();
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent) // it ended before the line above
        std::_Exit(1);
#endif
}

} // namespace

int main(int argc, char* argv[]) {
    EndWithParent();
    QCoreApplication application(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: tintra_fetch ADDRESS [DEADLINE_SECONDS]\n");
        return 2;
    }
    const int deadline = argc == 3 ? std::atoi(argv[2]) : DefaultDeadlineSeconds;
    QNetworkAccessManager network;
    QNetworkRequest request(QUrl(QString::fromLocal8Bit(argv[1])));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(TransferTimeoutMilliseconds);
    QNetworkReply* reply = network.get(request);
    QByteArray body;
    bool refused = false;
    const auto refuse = [&](const char* why) {
        if (refused)
            return;
        refused = true;
        qCDebug(lcFetch, "%s: %s", argv[1], why);
        reply->abort();
    };
    QObject::connect(reply, &QNetworkReply::metaDataChanged, [&] {
        if (reply->header(QNetworkRequest::ContentLengthHeader).toLongLong() > LargestPage)
            refuse("the page is larger than a banner page");
    });
    QObject::connect(reply, &QNetworkReply::readyRead, [&] {
        body += reply->read(LargestPage + 1 - body.size());
        if (body.size() > LargestPage)
            refuse("the page is larger than a banner page");
    });
    QTimer::singleShot(deadline * 1000, reply, [&] { refuse("no whole answer before the deadline"); });
    QObject::connect(reply, &QNetworkReply::finished, [&] {
        std::printf("%s\n", reply->url().toString().toUtf8().constData());
        if (refused || reply->error() != QNetworkReply::NoError) {
            if (!refused)
                qCDebug(lcFetch, "%s: %s", argv[1], qPrintable(reply->errorString()));
            QCoreApplication::exit(1);
            return;
        }
        body += reply->read(LargestPage + 1 - body.size());
        if (body.size() > LargestPage) {
            qCDebug(lcFetch, "%s: the page is larger than a banner page", argv[1]);
            QCoreApplication::exit(1);
            return;
        }
        QStringDecoder decoder = QStringDecoder::decoderForHtml(body);
        const QByteArray html = (decoder.isValid() ? decoder.decode(body) : QString::fromUtf8(body)).toUtf8();
        std::fwrite(html.constData(), 1, size_t(html.size()), stdout);
        QCoreApplication::exit(std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1);
    });
    return QCoreApplication::exec();
}
