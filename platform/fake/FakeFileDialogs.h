#pragma once

#include "platform/FileDialogs.h"

// Dialogs that answer what a test set: a file name with the filter chosen, or nothing as when the user
// cancels.
class FakeFileDialogs final : public FileDialogs {
public:
    std::optional<QString> OpenAnswer;
    std::optional<QString> SaveAnswer;
    int FilterAnswer = 0;
    QString LastFilter;

    std::optional<ChosenFile> OpenFileName(QWidget*, const QString& filter) override {
        return Answer(OpenAnswer, filter);
    }
    std::optional<ChosenFile> SaveFileName(QWidget*, const QString& filter) override {
        return Answer(SaveAnswer, filter);
    }

private:
    std::optional<ChosenFile> Answer(const std::optional<QString>& name, const QString& filter) {
        LastFilter = filter;
        return name ? std::optional<ChosenFile>(ChosenFile{*name, FilterAnswer}) : std::nullopt;
    }
};
