#pragma once

#include "core/persistence/SettingsStore.h"
#include "core/picker/ColorPicker.h"

#include <QStringList>

#include <memory>

class MainWindow;
class Platform;

// The whole program on a desktop: the picker, its settings and lists, and its windows, made and ended
// in the order the program entry follows. Tests build it on a fake desktop.
class Program {
public:
    explicit Program(Platform& platform);
    ~Program();

    // Another copy keeps the data folder: nothing was read and nothing is made or written.
    bool AnotherCopyRuns() const { return !window_; }
    const DataFolders& Folders() const { return folders_; }

    ColorPicker& Picker() { return picker_; }
    MainWindow& Window() { return *window_; }

    // Saves the settings and lists now (the desktop's session is ending, say). The problems, one line
    // each; none when all was saved.
    const QStringList& Save();
    // The save at the end, once: later calls only tell how it went.
    const QStringList& End();

private:
    // Picking goes the way the desktop's screen access allows, and that access follows picking.
    void ConnectScreenAccess();
    // The global hotkey is held while the picker says it is on, and a press takes the colour.
    void ConnectHotkey();

    Platform& platform_;
    ColorPicker picker_;
    SettingsStore settings_;
    DataFolders folders_;
    std::unique_ptr<MainWindow> window_;
    bool ended_ = false;
};
