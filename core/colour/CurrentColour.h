#pragma once

#include "core/colour/ColorFormats.h"

#include <QObject>
#include <QString>

class QComboBox;
class QLineEdit;
class SpeedButton;
class SystemColours;

// The program's current colour: the background of the read-only value field, whose text is that colour
// in the chosen format.
class CurrentColour : public QObject {
    Q_OBJECT
public:
    CurrentColour(QLineEdit* lblCurVal, QComboBox* cbColorValType, SpeedButton* btnColorPre,
                  const SystemColours& systemColours, QObject* parent = nullptr);

    ColorValue Color() const { return colour_; }
    // The colour as the desktop paints it: a system colour value resolved to its colour.
    ColorValue ShownColor() const;

    // The colour in the format, prefix setting and decimal separator in force now.
    QString FormatColorValue(ColorValue value) const;

    void ShowAsCurrentColor(ColorValue value);
    // A decimal (or "$"/"0x" hexadecimal) value text; anything else shows white.
    void ShowAsCurrentColorFromText(std::string_view text);

    void CbColorValTypeChange();
    // Typing into the format box changes the format as choosing does.
    void FormatTextEdited(const QString& text);
    void BtnColorPreClick();

signals:
    // The current colour is to go to the clipboard as the paste type says.
    void CopyColorToClipboard();

private:
    QLineEdit* lblCurVal_;
    QComboBox* cbColorValType_;
    SpeedButton* btnColorPre_;
    const SystemColours& systemColours_;
    ColorValue colour_ = ColorWhite;
};
