#include "platform/wayland/WaylandConnection.h"

#include <QDeadlineTimer>

#include <wayland-client.h>

#include <poll.h>

std::unique_ptr<WaylandConnection> WaylandConnection::Open() {
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return nullptr;
    return std::unique_ptr<WaylandConnection>(new WaylandConnection(display));
}

WaylandConnection::WaylandConnection(wl_display* display)
    : display_(display), notifier_(wl_display_get_fd(display), QSocketNotifier::Read) {
    connect(&notifier_, &QSocketNotifier::activated, this, &WaylandConnection::ReadEvents);
    constexpr int LongestUnreadMs = 100;
    unread_.setSingleShot(true);
    unread_.setInterval(LongestUnreadMs);
    connect(&unread_, &QTimer::timeout, this, &WaylandConnection::ReadWaiting);
}

WaylandConnection::~WaylandConnection() { wl_display_disconnect(display_); }

void WaylandConnection::Flush() {
    if (!lost_ && wl_display_flush(display_) < 0 && errno != EAGAIN)
        Broken();
}

bool WaylandConnection::Broken() {
    if (lost_ || wl_display_get_error(display_) == 0)
        return lost_;
    lost_ = true;
    notifier_.setEnabled(false);
    unread_.stop();
    emit Lost();
    return true;
}

void WaylandConnection::ReadEvents() {
    // The socket is readable, so reading does not block.
    while (wl_display_prepare_read(display_) != 0)
        wl_display_dispatch_pending(display_);
    wl_display_read_events(display_);
    wl_display_dispatch_pending(display_);
    Flush();
    Broken();
}

void WaylandConnection::Hold(bool held) {
    held_ = held;
    notifier_.setEnabled(!held_ && !lost_);
    ReadWaiting();
}

void WaylandConnection::ReadWaiting() {
    if (lost_)
        return;
    pollfd socket{wl_display_get_fd(display_), POLLIN, 0};
    if (poll(&socket, 1, 0) > 0)
        ReadEvents();
    if (held_ && !lost_)
        unread_.start();
    else
        unread_.stop();
}

bool WaylandConnection::WaitUntil(const std::function<bool()>& done, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    Flush();
    while (!done()) {
        if (Broken())
            return false;
        while (wl_display_prepare_read(display_) != 0)
            wl_display_dispatch_pending(display_);
        if (done()) {
            wl_display_cancel_read(display_);
            break;
        }
        wl_display_flush(display_);
        pollfd socket{wl_display_get_fd(display_), POLLIN, 0};
        const int left = int(deadline.remainingTime());
        if (left == 0 || poll(&socket, 1, left) <= 0) {
            wl_display_cancel_read(display_);
            return false;
        }
        wl_display_read_events(display_);
        wl_display_dispatch_pending(display_);
    }
    return !Broken();
}
