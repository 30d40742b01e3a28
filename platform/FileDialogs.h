#pragma once

#include <QString>

#include <optional>

class QWidget;

// The desktop's file dialogs. A filter is "description|pattern", as the colour list dialogs give it.
// Nothing comes back when the user cancels. Neither asks before overwriting or checks that the file
// exists, and neither adds an extension.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual std::optional<QString> OpenFileName(QWidget* parent, const QString& filter) = 0;
    virtual std::optional<QString> SaveFileName(QWidget* parent, const QString& filter) = 0;
};

// "颜色列表文件(*.colors)|*.colors" as Qt's dialogs take it: "颜色列表文件(*.colors)".
QString QtDialogFilter(const QString& pipeFilter);
