#pragma once

#include "platform/ScreenAccess.h"

#include <QDBusConnection>

class PortalRequest;

// One colour at a time through the desktop's own colour tool, as its screenshot portal offers it:
// where the screen cannot be shared, the program still takes colours the user picks there.
class PortalColorPick final : public ScreenAccess {
    Q_OBJECT
public:
    explicit PortalColorPick(const QDBusConnection& bus = QDBusConnection::sessionBus());

    // Whether the desktop's screenshot portal has the colour tool; asks the bus briefly.
    static bool Offered(const QDBusConnection& bus = QDBusConnection::sessionBus());

    PickingWay Kind() const override { return PickingWay::OneShot; }
    QString Name() const override;
    void Start() override;
    // Withdraws a pick still open, closing the desktop's tool.
    void Stop() override;

private:
    QDBusConnection bus_;
    PortalRequest* request_ = nullptr; // the open pick, a child
};
