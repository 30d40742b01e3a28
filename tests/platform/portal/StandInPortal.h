#pragma once

#include "StandInScreen.h"

#include <QDBusConnection>
#include <QDBusVirtualObject>
#include <QMap>
#include <QSet>
#include <QVariantMap>

// Just enough of the desktop's portal for the program's screen access: the screen cast (sessions,
// their sources, a start that asks the user unless a key from an earlier yes comes with it, and the
// PipeWire connection) and the colour tool. Tests steer it and read what it saw through the interface
// app.tintra.StandIn on the same object.
class StandInPortal final : public QDBusVirtualObject {
public:
    StandInPortal(QDBusConnection bus, StandInScreen& screen);

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

private:
    struct Session {
        QVariantMap Selection;
    };

    QDBusMessage Answer(const QDBusMessage& call);
    // Replies with the request's handle, then answers on it as the user would.
    void Respond(const QDBusMessage& call, const QVariantMap& options, uint code, const QVariantMap& results);
    QString PathFor(const QDBusMessage& call, const QString& kind, const QString& token) const;
    QVariantMap CastResults(const QVariantMap& selection);

    QDBusConnection bus_;
    StandInScreen& screen_;
    QMap<QString, Session> sessions_;
    QSet<QString> tokens_; // keys given out and not used yet
    int tokenCount_ = 0;
    // Steered by the tests.
    uint answer_ = 0;
    uint cursorModes_ = 7;
    double pick_[3] = {0, 0, 0};
    // Seen, for the tests.
    uint dialogs_ = 0;
    uint closedSessions_ = 0;
    QVariantMap lastSelection_;
};
