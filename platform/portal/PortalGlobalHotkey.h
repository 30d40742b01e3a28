#pragma once

#include "platform/GlobalHotkey.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QVariantMap>

class PortalRequest;

// The hotkey through the desktop portal's global shortcuts (KDE Plasma among others): a session of
// the program's, one shortcut bound in it with the combination as the preferred trigger, and its
// activations as presses. The desktop may give another trigger, or ask the user first.
class PortalGlobalHotkey final : public GlobalHotkey {
    Q_OBJECT
public:
    explicit PortalGlobalHotkey(const QDBusConnection& bus = QDBusConnection::sessionBus());
    ~PortalGlobalHotkey() override;

    // Whether the portal has the interface: asked once, at the start, without waiting for the answer.
    bool Offered() const override { return offered_; }
    void Bind(const QString& keys) override;
    void Release() override;

private slots:
    void Activated(const QDBusObjectPath& session, const QString& id, qulonglong timestamp,
                   const QVariantMap& options);

private:
    void BindShortcut(const QString& keys);
    void Refuse(const QString& why);

    QDBusConnection bus_;
    bool offered_ = false;
    QString session_;
    PortalRequest* request_ = nullptr; // the open question, a child
};
