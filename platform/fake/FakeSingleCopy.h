#pragma once

#include "platform/SingleCopy.h"

#include <QStringList>

// Every claim succeeds unless a test says another copy holds the folder.
class FakeSingleCopy final : public SingleCopy {
public:
    bool HeldElsewhere = false;
    QStringList Claimed;

    bool Claim(const QString& folder) override {
        if (HeldElsewhere)
            return false;
        Claimed << folder;
        return true;
    }
};
