#pragma once

#include "platform/ScreenAccess.h"

// A desktop whose screen access a test chooses and drives.
class FakeScreenAccess final : public ScreenAccess {
public:
    PickingWay KindFake = PickingWay::Live;
    QString ReasonFake;
    int Starts = 0, Stops = 0;

    PickingWay Kind() const override { return KindFake; }
    QString Name() const override { return QStringLiteral("fake"); }
    QString Reason() const override { return ReasonFake; }
    void Start() override { ++Starts; }
    void Stop() override { ++Stops; }
};
