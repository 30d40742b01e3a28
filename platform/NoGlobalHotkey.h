#pragma once

#include "platform/GlobalHotkey.h"

// A desktop that gives a program no combination of its own.
class NoGlobalHotkey final : public GlobalHotkey {
public:
    bool Offered() const override { return false; }
    void Bind(const QString&) override {}
    void Release() override {}
};
