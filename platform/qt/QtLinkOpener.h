#pragma once

#include "platform/LinkOpener.h"

class QtLinkOpener final : public LinkOpener {
public:
    void Open(const QString& target) override;
};
