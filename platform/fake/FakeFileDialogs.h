#pragma once

#include "platform/FileDialogs.h"

// Dialogs that answer what a test set: a file name, or nothing as when the user cancels.
class FakeFileDialogs final : public FileDialogs {
public:
    std::optional<QString> OpenAnswer;
    std::optional<QString> SaveAnswer;
    QString LastFilter;

    std::optional<QString> OpenFileName(QWidget*, const QString& filter) override {
        LastFilter = filter;
        return OpenAnswer;
    }
    std::optional<QString> SaveFileName(QWidget*, const QString& filter) override {
        LastFilter = filter;
        return SaveAnswer;
    }
};
