#pragma once

#include "platform/ScreenAccess.h"

// Access that needs no steps: the screen is there to read (X11, Windows) or never is.
class FixedScreenAccess final : public ScreenAccess {
public:
    FixedScreenAccess(PickingWay way, QString name, QString reason = {})
        : way_(way), name_(std::move(name)), reason_(std::move(reason)) {}

    PickingWay Kind() const override { return way_; }
    QString Name() const override { return name_; }
    QString Reason() const override { return reason_; }
    void Start() override {}
    void Stop() override {}

private:
    PickingWay way_;
    QString name_, reason_;
};
