#pragma once

#include "platform/FileDialogs.h"

class QtFileDialogs final : public FileDialogs {
public:
    // Where the desktop's own save dialog adds the first filter's extension to a name typed without one
    // (Windows'), saving goes through Qt's dialog, which keeps the name as typed.
    enum class SaveDialog { Desktops, Qts };
    explicit QtFileDialogs(SaveDialog save = SaveDialog::Desktops) : save_(save) {}

    std::optional<ChosenFile> OpenFileName(QWidget* parent, const QString& filter) override;
    std::optional<ChosenFile> SaveFileName(QWidget* parent, const QString& filter) override;

private:
    SaveDialog save_;
};
