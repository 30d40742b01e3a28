#pragma once

#include "platform/LinkOpener.h"

#include <QStringList>

// Keeps what it was asked to open.
class FakeLinkOpener final : public LinkOpener {
public:
    QStringList Opened;
    void Open(const QString& target) override { Opened << target; }
};
