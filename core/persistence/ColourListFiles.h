#pragma once

#include <QObject>

class TFrmScreenColor;

// The history rows saved to a colour list file of the user's choice, and replaced from one.
class ColourListFiles : public QObject {
    Q_OBJECT
public:
    explicit ColourListFiles(TFrmScreenColor& window);

    void BtnOpenColorClick();
    void BtnSaveColorAsClick();

private:
    TFrmScreenColor& window_;
};
