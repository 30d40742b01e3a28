#include "platform/qt/QtPageFetcher.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStringDecoder>

QtPageFetcher::QtPageFetcher() = default;
QtPageFetcher::~QtPageFetcher() = default;

void QtPageFetcher::Fetch(const QUrl& address, std::function<void(const Page&)> done) {
    if (!network_)
        network_ = std::make_unique<QNetworkAccessManager>();
    QNetworkRequest request(address);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(15000);
    QNetworkReply* reply = network_->get(request);
    QObject::connect(reply, &QNetworkReply::finished, reply, [reply, done = std::move(done)] {
        reply->deleteLater();
        Page page{reply->url().toString(), {}};
        if (reply->error() == QNetworkReply::NoError) {
            const QByteArray body = reply->readAll();
            QStringDecoder decoder = QStringDecoder::decoderForHtml(body);
            page.Html = decoder.isValid() ? decoder.decode(body) : QString::fromUtf8(body);
        }
        done(page);
    });
}
