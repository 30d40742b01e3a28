#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

// One question to the desktop's portal. The call returns at once; the answer comes later, when the
// user has answered, as a signal on a request object named after the program's bus name and a token
// of its own, so the program listens there before it asks.
class PortalRequest final : public QObject {
    Q_OBJECT
public:
    // Calls the portal's method with the arguments and then the options, which get the token.
    PortalRequest(const QDBusConnection& bus, const QString& interface, const QString& method,
                  const QVariantList& arguments, QVariantMap options, QObject* parent);
    // A question still open is withdrawn, so that its dialog closes.
    ~PortalRequest() override;

    // A token no other request or session of this process has used.
    static QString NewToken();
    // The object path the portal gives a request or a session of this connection with that token.
    static QString HandlePath(const QDBusConnection& bus, const QString& kind, const QString& token);

    static inline const QString Service = QStringLiteral("org.freedesktop.portal.Desktop");
    static inline const QString DesktopPath = QStringLiteral("/org/freedesktop/portal/desktop");

signals:
    // 0 yes, 1 the user cancelled, 2 another end (a failed call among them).
    void Answered(uint code, const QVariantMap& results);

private slots:
    void Response(uint code, const QVariantMap& results);

private:
    void Listen(const QString& path);
    void StopListening();

    QDBusConnection bus_;
    QString path_;
    bool open_ = true;
};
