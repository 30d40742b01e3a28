#pragma once

class ColorPicker;
class FileDialogs;
class QWidget;

// "打开颜色" and "颜色另存为": the history read from or written to a file the user chooses in the
// desktop's dialog, over the window the dialogs belong to; a failure is told in the hint line.
class ListFileCommands {
public:
    ListFileCommands(ColorPicker& picker, FileDialogs& dialogs, QWidget& dialogParent)
        : picker_(picker), dialogs_(dialogs), dialogParent_(dialogParent) {}

    void BtnOpenColorClick();
    void BtnSaveColorAsClick();

private:
    ColorPicker& picker_;
    FileDialogs& dialogs_;
    QWidget& dialogParent_;
};
