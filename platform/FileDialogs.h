#pragma once

#include <QString>

#include <optional>

class QWidget;

// A file the user chose, and which of the dialog's filters was chosen with it (0 the first).
struct ChosenFile {
    QString Path;
    int Filter = 0;
};

// The desktop's file dialogs. A filter is "description|pattern", or several such pairs joined by "|",
// as the colour list dialogs give it. Nothing comes back when the user cancels. Neither asks before
// overwriting or checks that the file exists, and neither adds an extension.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual std::optional<ChosenFile> OpenFileName(QWidget* parent, const QString& filter) = 0;
    virtual std::optional<ChosenFile> SaveFileName(QWidget* parent, const QString& filter) = 0;
};

// "颜色列表文件(*.colors)|*.colors" as Qt's dialogs take it: "颜色列表文件(*.colors)"; several pairs
// are joined by ";;".
QString QtDialogFilter(const QString& pipeFilter);
