#include "PortalRig.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

namespace {

// Generous: the rig's daemons come up in well under a second.
constexpr int WaitMilliseconds = 10000;

const char* BusConfig = R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:path=%1</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)";

} // namespace

bool WaitFor(const std::function<bool()>& done) {
    const QDeadlineTimer deadline(WaitMilliseconds);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    return true;
}

PortalRig::PortalRig() : bus_(QStringLiteral("none")) {
    for (const char* program : {"dbus-daemon", "pipewire"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(program)).isEmpty()) {
            problem_ = QStringLiteral("%1 is not installed").arg(QLatin1String(program));
            return;
        }
    const QString socket = folder_.filePath(QStringLiteral("bus"));
    QFile config(folder_.filePath(QStringLiteral("bus.conf")));
    if (!config.open(QIODevice::WriteOnly) ||
        config.write(QString::fromLatin1(BusConfig).arg(socket).toUtf8()) < 0) {
        problem_ = QStringLiteral("cannot write the bus configuration");
        return;
    }
    config.close();

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder_.path());
    environment.insert(QStringLiteral("PIPEWIRE_RUNTIME_DIR"), folder_.path());
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("unix:path=") + socket);
    environment.remove(QStringLiteral("PIPEWIRE_REMOTE"));
    for (QProcess* process : {&bus_daemon_, &pipewire_, &portal_}) {
        process->setProcessEnvironment(environment);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    }
    if (!Launch(bus_daemon_, QStringLiteral("dbus-daemon"),
                {QStringLiteral("--nofork"), QStringLiteral("--config-file=") + config.fileName()}, socket) ||
        !Launch(pipewire_, QStringLiteral("pipewire"),
                {QStringLiteral("-c"), QStringLiteral(TINTRA_PIPEWIRE_CONFIG)},
                folder_.filePath(QStringLiteral("pipewire-0"))))
        return;
    bus_ = QDBusConnection::connectToBus(QStringLiteral("unix:path=") + socket, QStringLiteral("portal-rig"));
    if (!bus_.isConnected())
        problem_ = QStringLiteral("cannot connect to the private bus: ") + bus_.lastError().message();
}

PortalRig::~PortalRig() {
    QDBusConnection::disconnectFromBus(QStringLiteral("portal-rig"));
    for (QProcess* process : {&portal_, &pipewire_, &bus_daemon_}) {
        if (process->state() == QProcess::NotRunning)
            continue;
        process->terminate();
        if (!process->waitForFinished(3000))
            process->kill();
        process->waitForFinished(1000);
    }
}

bool PortalRig::Launch(QProcess& process, const QString& program, const QStringList& arguments,
                       const QString& ready) {
    process.start(program, arguments);
    if (!process.waitForStarted(WaitMilliseconds) ||
        !WaitFor([&] { return QFileInfo::exists(ready) || process.state() == QProcess::NotRunning; }) ||
        process.state() == QProcess::NotRunning) {
        problem_ = QStringLiteral("%1 did not start").arg(program);
        return false;
    }
    return true;
}

bool PortalRig::StartPortal(const QString& format) {
    portal_.start(QStringLiteral(TINTRA_STAND_IN_PORTAL), {format});
    const auto owned = [this] {
        return bus_.interface()
            ->isServiceRegistered(QStringLiteral("org.freedesktop.portal.Desktop"))
            .value();
    };
    if (!portal_.waitForStarted(WaitMilliseconds) ||
        !WaitFor([&] { return owned() || portal_.state() == QProcess::NotRunning; }) || !owned()) {
        problem_ = QStringLiteral("the stand-in portal did not take its name");
        return false;
    }
    return true;
}

QVariantList PortalRig::Steer(const QString& method, const QVariantList& arguments) {
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.portal.Desktop"),
                                                       QStringLiteral("/org/freedesktop/portal/desktop"),
                                                       QStringLiteral("app.tintra.StandIn"), method);
    call.setArguments(arguments);
    return bus_.call(call, QDBus::Block, WaitMilliseconds).arguments();
}

QVariantMap PortalRig::Seen() { return qdbus_cast<QVariantMap>(Steer(QStringLiteral("Seen")).value(0)); }
