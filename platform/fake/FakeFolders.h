#pragma once

#include "platform/Folders.h"

#include <QTemporaryDir>

// A program folder and a configuration folder of the test's own, removed with it.
class FakeFolders final : public Folders {
public:
    QTemporaryDir Program;
    QTemporaryDir Config;
    // A test sets these to put the folders somewhere files cannot be made.
    QString ProgramOverride, ConfigOverride;

    QString ProgramFolder() const override {
        return ProgramOverride.isEmpty() ? Program.path() + '/' : ProgramOverride;
    }
    QString ConfigFolder() const override {
        return ConfigOverride.isEmpty() ? Config.path() + "/tintra/" : ConfigOverride;
    }
};
