#pragma once

#include "platform/GlobalHotkey.h"

#include <QAbstractNativeEventFilter>

#include <xcb/xcb.h>

#include <vector>

// The hotkey on X11: a passive grab of the combination on the root window, with each state of the
// lock keys (NumLock, CapsLock, both) that would otherwise hide it, on Qt's own connection, whose
// events carry the presses. A grab that another client holds is said, never ignored.
class XcbGlobalHotkey final : public GlobalHotkey, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    ~XcbGlobalHotkey() override;

    // Where Qt shows its windows on an X server.
    bool Offered() const override;
    void Bind(const QString& keys) override;
    void Release() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = XCB_NONE;
    xcb_keycode_t keycode_ = 0;
    uint16_t modifiers_ = 0;
    uint16_t locks_ = 0; // the masks of the lock keys, ignored in a press
    std::vector<uint16_t> grabbed_;
};
