#pragma once

#include "platform/Folders.h"

class QtFolders final : public Folders {
public:
    QString ProgramFolder() const override;
    QString ConfigFolder() const override;
};
