#pragma once

#include "platform/FileDialogs.h"

class QtFileDialogs final : public FileDialogs {
public:
    std::optional<QString> OpenFileName(QWidget* parent, const QString& filter) override;
    std::optional<QString> SaveFileName(QWidget* parent, const QString& filter) override;
};
