// Fetches one web page and prints where it ended up (after redirections) on the first line and its
// HTML, as UTF-8, after it; exits 1, having printed the address alone, when the page could not be
// loaded. The program runs this for its one request to the maker's site, so that the network and TLS
// libraries never load into the program itself.
//   tintra_fetch ADDRESS
#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStringDecoder>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tintra_fetch ADDRESS\n");
        return 2;
    }
    QNetworkAccessManager network;
    QNetworkRequest request(QUrl(QString::fromLocal8Bit(argv[1])));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(15000);
    QNetworkReply* reply = network.get(request);
    QObject::connect(reply, &QNetworkReply::finished, [reply] {
        std::printf("%s\n", reply->url().toString().toUtf8().constData());
        if (reply->error() != QNetworkReply::NoError)
            QCoreApplication::exit(1);
        const QByteArray body = reply->readAll();
        QStringDecoder decoder = QStringDecoder::decoderForHtml(body);
        const QByteArray html = (decoder.isValid() ? decoder.decode(body) : QString::fromUtf8(body)).toUtf8();
        std::fwrite(html.constData(), 1, size_t(html.size()), stdout);
        QCoreApplication::exit(0);
    });
    return QCoreApplication::exec();
}
