#include "platform/portal/PortalRequest.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QRandomGenerator>

namespace {

const QString RequestInterface = QStringLiteral("org.freedesktop.portal.Request");

} // namespace

QString PortalRequest::NewToken() {
    static quint32 count = 0;
    return QStringLiteral("tintra%1_%2").arg(++count).arg(QRandomGenerator::global()->generate());
}

QString PortalRequest::HandlePath(const QDBusConnection& bus, const QString& kind, const QString& token) {
    QString sender = bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return QStringLiteral("%1/%2/%3/%4").arg(DesktopPath, kind, sender, token);
}

PortalRequest::PortalRequest(const QDBusConnection& bus, const QString& interface, const QString& method,
                             const QVariantList& arguments, QVariantMap options, QObject* parent)
    : QObject(parent), bus_(bus) {
    const QString token = NewToken();
    options.insert(QStringLiteral("handle_token"), token);
    Listen(HandlePath(bus_, QStringLiteral("request"), token));

    QDBusMessage call = QDBusMessage::createMethodCall(Service, DesktopPath, interface, method);
    call.setArguments(arguments + QVariantList{options});
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* finished) {
        finished->deleteLater();
        const QDBusPendingReply<QDBusObjectPath> reply = *finished;
        if (reply.isError()) {
            Response(2, {});
            return;
        }
        // Portals older than the path rule name the request themselves.
        if (open_ && reply.value().path() != path_) {
            StopListening();
            Listen(reply.value().path());
        }
    });
}

PortalRequest::~PortalRequest() {
    if (!open_)
        return;
    StopListening();
    bus_.asyncCall(QDBusMessage::createMethodCall(Service, path_, RequestInterface, QStringLiteral("Close")));
}

void PortalRequest::Listen(const QString& path) {
    path_ = path;
    bus_.connect(Service, path_, RequestInterface, QStringLiteral("Response"), this,
                 SLOT(Response(uint, QVariantMap)));
}

void PortalRequest::StopListening() {
    bus_.disconnect(Service, path_, RequestInterface, QStringLiteral("Response"), this,
                    SLOT(Response(uint, QVariantMap)));
}

void PortalRequest::Response(uint code, const QVariantMap& results) {
    if (!open_)
        return;
    open_ = false;
    StopListening();
    emit Answered(code, results);
}
