#include "StandInPortal.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusUnixFileDescriptor>
#include <QTimer>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace {

const QString Desktop = QStringLiteral("/org/freedesktop/portal/desktop");
const QString ScreenCast = QStringLiteral("org.freedesktop.portal.ScreenCast");
const QString Screenshot = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString GlobalShortcuts = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString Control = QStringLiteral("app.tintra.StandIn");

struct CastStream {
    uint Node = 0;
    QVariantMap Properties;
};

QDBusArgument& operator<<(QDBusArgument& argument, const CastStream& stream) {
    argument.beginStructure();
    argument << stream.Node << stream.Properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, CastStream& stream) {
    argument.beginStructure();
    argument >> stream.Node >> stream.Properties;
    argument.endStructure();
    return argument;
}

// A new connection to the PipeWire daemon, as a portal hands it to the program.
int PipeWireConnection() {
    QByteArray folder = qgetenv("PIPEWIRE_RUNTIME_DIR");
    if (folder.isEmpty())
        folder = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray path = folder + "/pipewire-0";
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.constData(), sizeof(address.sun_path) - 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0 && ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) < 0) {
        close(fd);
        return -1;
    }
    return fd;
}

} // namespace

Q_DECLARE_METATYPE(CastStream)

StandInPortal::StandInPortal(QDBusConnection bus, StandInScreen& screen)
    : bus_(std::move(bus)), screen_(screen) {
    qDBusRegisterMetaType<CastStream>();
    qDBusRegisterMetaType<QList<CastStream>>();
}

QString StandInPortal::introspect(const QString&) const { return {}; }

QString StandInPortal::PathFor(const QDBusMessage& call, const QString& kind, const QString& token) const {
    QString sender = call.service().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return QStringLiteral("%1/%2/%3/%4").arg(Desktop, kind, sender, token);
}

bool StandInPortal::handleMessage(const QDBusMessage& message, const QDBusConnection&) {
    if (message.type() != QDBusMessage::MethodCallMessage)
        return false;
    const QDBusMessage reply = Answer(message);
    if (reply.type() != QDBusMessage::InvalidMessage)
        bus_.send(reply);
    return true;
}

void StandInPortal::Respond(const QDBusMessage& call, const QVariantMap& options, uint code,
                            const QVariantMap& results) {
    const QString request =
        PathFor(call, QStringLiteral("request"), options.value("handle_token").toString());
    bus_.send(call.createReply(QVariant::fromValue(QDBusObjectPath(request))));
    QDBusMessage response =
        QDBusMessage::createSignal(request, QStringLiteral("org.freedesktop.portal.Request"), "Response");
    response << code << results;
    bus_.send(response);
}

QVariantMap StandInPortal::CastResults(const QVariantMap& selection) {
    QList<CastStream> streams;
    for (const StandInScreen::Shared& monitor : screen_.Monitors())
        streams.append(
            {monitor.Node,
             {{"position", monitor.Place.topLeft()}, {"size", monitor.Place.size()}, {"source_type", 1u}}});
    QVariantMap results{{"streams", QVariant::fromValue(streams)}};
    if (selection.value("persist_mode").toUInt() == 2) {
        const QString token = QStringLiteral("key-%1").arg(++tokenCount_);
        tokens_.insert(token);
        results.insert("restore_token", token);
    }
    return results;
}

QDBusMessage StandInPortal::Answer(const QDBusMessage& call) {
    const QString interface = call.interface(), member = call.member(), path = call.path();
    const QVariantList args = call.arguments();
    const auto options = [&args](int index) { return qdbus_cast<QVariantMap>(args.value(index)); };

    if (interface == QLatin1String("org.freedesktop.DBus.Properties") && args.value(0) == GlobalShortcuts) {
        // As a desktop's shortcut service started on demand: its first answer comes late.
        const QDBusMessage reply = call.createReply(QVariant::fromValue(QDBusVariant(1u)));
        QTimer::singleShot(500, this, [this, reply] { bus_.send(reply); });
        return {};
    }
    if (interface == QLatin1String("org.freedesktop.DBus.Properties")) {
        QVariantMap properties;
        if (args.value(0).toString() == ScreenCast)
            properties = {
                {"AvailableSourceTypes", 7u}, {"AvailableCursorModes", cursorModes_}, {"version", 4u}};
        else if (args.value(0).toString() == Screenshot)
            properties = {{"version", 2u}};
        if (member == QLatin1String("GetAll"))
            return call.createReply(properties);
        return call.createReply(
            QVariant::fromValue(QDBusVariant(properties.value(args.value(1).toString()))));
    }
    if (interface == ScreenCast && member == QLatin1String("CreateSession")) {
        const QString session =
            PathFor(call, QStringLiteral("session"), options(0).value("session_handle_token").toString());
        sessions_.insert(session, {});
        Respond(call, options(0), 0, {{"session_handle", session}});
        return {};
    }
    if (interface == ScreenCast && member == QLatin1String("SelectSources")) {
        const QString session = qdbus_cast<QDBusObjectPath>(args.value(0)).path();
        const bool known = sessions_.contains(session);
        if (known)
            sessions_[session].Selection = options(1);
        Respond(call, options(1), known ? 0 : 2, {});
        return {};
    }
    if (interface == ScreenCast && member == QLatin1String("Start")) {
        const QString session = qdbus_cast<QDBusObjectPath>(args.value(0)).path();
        lastSelection_ = sessions_.value(session).Selection;
        // A key is good once; without one the user is asked.
        const bool asked = !tokens_.remove(lastSelection_.value("restore_token").toString());
        if (asked)
            ++dialogs_;
        const uint code = asked ? answer_ : 0;
        Respond(call, options(2), code, code == 0 ? CastResults(lastSelection_) : QVariantMap());
        return {};
    }
    if (interface == ScreenCast && member == QLatin1String("OpenPipeWireRemote")) {
        const int fd = PipeWireConnection();
        const QDBusMessage reply = call.createReply(QVariant::fromValue(QDBusUnixFileDescriptor(fd)));
        close(fd);
        return reply;
    }
    if (interface == Screenshot && member == QLatin1String("PickColor")) {
        ++dialogs_;
        QDBusArgument color;
        color.beginStructure();
        color << pick_[0] << pick_[1] << pick_[2];
        color.endStructure();
        Respond(call, options(1), answer_,
                answer_ == 0 ? QVariantMap{{"color", QVariant::fromValue(color)}} : QVariantMap());
        return {};
    }
    if (interface == QLatin1String("org.freedesktop.portal.Session") && member == QLatin1String("Close")) {
        if (sessions_.remove(path))
            ++closedSessions_;
        return call.createReply();
    }
    if (interface == QLatin1String("org.freedesktop.portal.Request"))
        return call.createReply();

    if (interface == Control && member == QLatin1String("SetAnswer")) {
        answer_ = args.value(0).toUInt();
        return call.createReply();
    }
    if (interface == Control && member == QLatin1String("SetCursorModes")) {
        cursorModes_ = args.value(0).toUInt();
        return call.createReply();
    }
    if (interface == Control && member == QLatin1String("SetPickColour")) {
        for (int i = 0; i < 3; ++i)
            pick_[i] = args.value(i).toDouble();
        return call.createReply();
    }
    if (interface == Control && member == QLatin1String("Seen")) {
        return call.createReply(QVariantMap{{"dialogs", dialogs_},
                                            {"closed_sessions", closedSessions_},
                                            {"open_sessions", uint(sessions_.size())},
                                            {"selection", lastSelection_}});
    }
    if (interface == Control && member == QLatin1String("HidePointer")) {
        screen_.HidePointer();
        return call.createReply();
    }
    if (interface == Control && member == QLatin1String("EndStreams")) {
        screen_.End();
        return call.createReply();
    }
    if (interface == Control && member == QLatin1String("CloseSessions")) {
        for (const QString& session : sessions_.keys())
            bus_.send(QDBusMessage::createSignal(session, QStringLiteral("org.freedesktop.portal.Session"),
                                                 "Closed")
                      << QVariantMap());
        sessions_.clear();
        return call.createReply();
    }
    return call.createErrorReply(QDBusError::UnknownMethod, member);
}
