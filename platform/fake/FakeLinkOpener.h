#pragma once

#include "platform/LinkOpener.h"

#include <QStringList>

// Keeps what it was asked to open; with no program for it where a test says so.
class FakeLinkOpener final : public LinkOpener {
public:
    QStringList Opened;
    bool NoProgram = false;
    void Open(const QString& target) override {
        Opened << target;
        if (NoProgram && Failed)
            Failed(target);
    }
};
