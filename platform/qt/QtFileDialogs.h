#pragma once

#include "platform/FileDialogs.h"

class QtFileDialogs final : public FileDialogs {
public:
    std::optional<ChosenFile> OpenFileName(QWidget* parent, const QString& filter) override;
    std::optional<ChosenFile> SaveFileName(QWidget* parent, const QString& filter) override;
};
