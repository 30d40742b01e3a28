#pragma once

#include "platform/ScreenAccess.h"
#include "platform/ScreenReader.h"

#include <QBasicTimer>
#include <QDBusConnection>
#include <QElapsedTimer>
#include <QPointer>

#include <functional>
#include <memory>

class PipeWireScreen;
class PortalRequest;

// The screen as the desktop's screen-cast portal shares it (GNOME, KDE Plasma): after the user's yes,
// the monitors come as PipeWire streams whose frames carry the pointer's position, so picking runs
// live. The share is asked to persist: the key the desktop gives back skips its question next time.
// Until the pointer is first seen, reads give nothing and the hint line says what is awaited.
class PortalScreenCast final : public ScreenAccess, public ScreenReader {
    Q_OBJECT
public:
    explicit PortalScreenCast(const QDBusConnection& bus = QDBusConnection::sessionBus());
    ~PortalScreenCast() override;

    // Whether the desktop offers a cast with the pointer's position beside the frames; asks the bus
    // briefly, so a missing portal costs the start next to nothing.
    static bool Offered(const QDBusConnection& bus = QDBusConnection::sessionBus());

    PickingWay Kind() const override { return PickingWay::Live; }
    QString Name() const override;
    void Start() override;
    void Stop() override;
    void UseShareToken(ShareToken& token) override { kept_ = &token; }

    QPoint PointerPosition() const override;
    bool PointerKnown() const override;
    std::optional<ColorValue> ScreenPixelSource(int x, int y) override;
    QImage GrabRegion(const QRect& region) override;
    QList<Monitor> Monitors() const override;
    bool ScreenChanged(const QRect& region) override;

private slots:
    void SessionClosed();

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    void CreateSession(uint version);
    void SelectSources(uint version);
    void StartCast();
    void OpenPipeWire(const QVariantMap& results);
    // The portal's next question; answered runs on a yes, anything else ends the cast with a reason.
    void Ask(const QString& method, const QVariantList& arguments, const QVariantMap& options,
             std::function<void(const QVariantMap&)> answered);
    void Refuse(const QString& why);
    void CloseSession();

    QDBusConnection bus_;
    // Where the key is kept; until the program gives a place (or once it is gone), this run's own.
    ShareToken& Token() { return kept_ ? *kept_ : ownToken_; }
    QPointer<ShareToken> kept_;
    ShareToken ownToken_;
    QString session_;
    bool running_ = false;
    // Bumped by each start and stop, so that answers to an earlier one are let go.
    quint64 attempt_ = 0;
    PortalRequest* request_ = nullptr; // the open question, a child
    std::unique_ptr<PipeWireScreen> screen_;
    QBasicTimer watch_; // looks for the pointer of a new share
    QElapsedTimer watchedSince_;
};
