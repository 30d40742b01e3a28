#pragma once

class ColorPicker;
class FileDialogs;
class QWidget;

// "打开颜色" and "颜色另存为": the file chosen in the desktop's dialog, over the window the dialogs
// belong to, handed to the history's file commands.
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
