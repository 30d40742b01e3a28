#pragma once

#include <QWidget>

class ColorPicker;
class QComboBox;
class QListWidget;
class SpeedButton;

// The column left of the lists: the prefix box, the format box, the paste-type list and the picture
// buttons. It passes the picker's own actions to it and shows its state; the buttons that open the
// window's menus and windows, or end the program, are signalled.
class ButtonColumn : public QWidget {
    Q_OBJECT
public:
    ButtonColumn(ColorPicker& picker, QWidget* parent);

    // The pictures and the texts of the message table.
    void LoadSkin();
    // The format, the prefix, staying on top and the paste type as the picker has them.
    void ShowState();
    // Where the further-functions button lies in the column.
    QRect OtherFunctionsButtonGeometry() const;

signals:
    void OtherFunctionsClicked();
    void HelpClicked();
    void ExitClicked();
    // The help button's menu is asked for at this screen point.
    void HelpMenuRequested(QPoint at);

private:
    void Connect();
    void ShowPicking();
    void ShowFormat();
    void ShowPrefix();
    void ShowAlwaysOnTop();
    void ShowPasteType();
    void FormatTextEdited(const QString& text);

    ColorPicker& picker_;
    SpeedButton* prefixButton_;
    QComboBox* formatBox_;
    QListWidget* pasteTypeList_;
    SpeedButton* pickButton_;
    SpeedButton* copyButton_;
    SpeedButton* addFavouriteButton_;
    SpeedButton* otherFunctionsButton_;
    SpeedButton* helpButton_;
    SpeedButton* exitButton_;
    SpeedButton* alwaysOnTopButton_;
};
