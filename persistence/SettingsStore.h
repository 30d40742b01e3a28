#pragma once

#include "persistence/IniDocument.h"

#include <QObject>
#include <QString>

class TFrmScreenColor;

// The user's choices and lists between runs: the settings file "default" and the list files
// "colors", "fav" and "favcol", read once as the main window is made and written once as it goes.
class SettingsStore : public QObject {
    Q_OBJECT
public:
    explicit SettingsStore(TFrmScreenColor& window);

    void LoadSettings();
    void SaveSettings();

    QString SettingsPath, ColorsPath, FavPath, FavColPath;

private:
    TFrmScreenColor& window_;
    IniDocument settings_;
    // The lists are written back only when they were read whole: a file that could not be read is
    // left as it is rather than replaced by what little was loaded.
    bool listsLoaded_ = false;
};
