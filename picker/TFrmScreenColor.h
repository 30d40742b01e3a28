#pragma once

#include "platform/QtSystemColours.h"

#include <QWidget>

class CurrentColour;
class QComboBox;
class QLineEdit;
class SpeedButton;

// The picker's main window: it creates the controls and the parts that work them, and wires them up.
class TFrmScreenColor : public QWidget {
    Q_OBJECT
public:
    explicit TFrmScreenColor(QWidget* parent = nullptr);
    ~TFrmScreenColor() override;

    QWidget* ScrollBox1;
    SpeedButton* BtnColorPre;
    QComboBox* CbColorValType;
    QWidget* Panel4;
    QLineEdit* LblCurVal;

    CurrentColour* Current;

private:
    void FormCreate();

    QtSystemColours systemColours_;
};
