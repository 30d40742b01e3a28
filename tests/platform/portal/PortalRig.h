#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QVariantMap>

#include <functional>
#include <memory>

// A private session bus and PipeWire daemon, and on them a stand-in for the desktop's portal: what the
// portal back ends talk to in the tests. Each process is stopped by its own id when the rig goes.
class PortalRig {
public:
    PortalRig();
    ~PortalRig();

    // Why the rig is not up; empty when it is.
    QString Problem() const { return problem_; }
    QDBusConnection Bus() const { return bus_; }

    // Starts the stand-in portal, sharing frames in that PipeWire format; false (with a problem) when
    // it does not take the portal's name.
    bool StartPortal(const QString& format = QStringLiteral("BGRx"));
    // A call to the stand-in's test interface.
    QVariantList Steer(const QString& method, const QVariantList& arguments = {});
    // What the stand-in saw: dialogs, closed_sessions, open_sessions and the last selection.
    QVariantMap Seen();

private:
    bool Launch(QProcess& process, const QString& program, const QStringList& arguments,
                const QString& ready);

    QTemporaryDir folder_;
    QProcess bus_daemon_, pipewire_, portal_;
    QDBusConnection bus_;
    QString problem_;
};

// Runs the event loop until done gives true or 10 s have passed; whether it did.
bool WaitFor(const std::function<bool()>& done);
