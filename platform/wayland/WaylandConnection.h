#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

#include <functional>
#include <memory>

struct wl_display;

// The program's own connection to the Wayland compositor, beside the toolkit's: its events are read
// as they come, from the toolkit's event loop, unless held, and a caller can wait for one answer.
class WaylandConnection final : public QObject {
    Q_OBJECT
public:
    // The session's compositor; nothing when there is none to reach.
    static std::unique_ptr<WaylandConnection> Open();
    ~WaylandConnection() override;

    wl_display* Display() const { return display_; }
    // Sends what was asked.
    void Flush();
    // Handles events until done() holds; false when the compositor stays silent for timeoutMs or the
    // connection broke.
    bool WaitUntil(const std::function<bool()>& done, int timeoutMs);
    // While held, events are not read as they come but when ReadWaiting() or a wait asks, and at the
    // latest a tenth of a second after the last look: a moving mouse sends hundreds a second, and a
    // reader that looks forty times a second needs only where it ended.
    void Hold(bool held);
    // Handles the events that have come, without waiting for more.
    void ReadWaiting();

signals:
    // The compositor went away: nothing more can be read.
    void Lost();

private:
    explicit WaylandConnection(wl_display* display);
    void ReadEvents();
    bool Broken();

    wl_display* display_;
    QSocketNotifier notifier_;
    // While held: reads what came when nobody looked for a while.
    QTimer unread_;
    bool held_ = false;
    bool lost_ = false;
};
