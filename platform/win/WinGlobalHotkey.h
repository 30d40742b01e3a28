#pragma once

#include "platform/GlobalHotkey.h"

#include <QAbstractNativeEventFilter>

// The hotkey on Windows: the system's hotkey of the program's thread, whose WM_HOTKEY messages reach
// the thread's queue. One that another program registered first is said.
class WinGlobalHotkey final : public GlobalHotkey, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    ~WinGlobalHotkey() override;

    bool Offered() const override { return true; }
    void Bind(const QString& keys) override;
    void Release() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    bool registered_ = false;
};
