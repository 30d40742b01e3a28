#pragma once

#include "platform/GlobalHotkey.h"

// A hotkey that tests press, refuse or take away, and that shows what the program holds.
class FakeGlobalHotkey final : public GlobalHotkey {
public:
    bool Offer = true;
    // The combination held; empty while none is.
    QString Held;

    bool Offered() const override { return Offer; }
    void Bind(const QString& keys) override { Held = keys; }
    void Release() override { Held.clear(); }

    void Press() { emit Pressed(); }
    void Refuse(const QString& why) {
        Held.clear();
        emit Refused(why);
    }
};
