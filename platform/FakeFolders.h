#pragma once

#include "platform/Folders.h"

#include <QTemporaryDir>

// A program folder and a configuration folder of the test's own, removed with it.
class FakeFolders final : public Folders {
public:
    QTemporaryDir Program;
    QTemporaryDir Config;
    // A test sets this to put the program somewhere files cannot be made.
    QString ProgramOverride;

    QString ProgramFolder() const override {
        return ProgramOverride.isEmpty() ? Program.path() + '/' : ProgramOverride;
    }
    QString ConfigFolder() const override { return Config.path() + "/tintra/"; }
};
