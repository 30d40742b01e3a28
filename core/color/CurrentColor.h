#pragma once

#include "core/color/ColorFormats.h"

#include <QObject>
#include <QString>

#include <string_view>

class SystemColors;

// The program's current colour and the text the value field shows for it: the colour in the format
// and prefix setting of the moment it was shown, made then and not again until the next colour.
class CurrentColor : public QObject {
    Q_OBJECT
public:
    explicit CurrentColor(const SystemColors& systemColors, QObject* parent = nullptr);

    ColorValue Color() const { return color_; }
    // The colour as the desktop paints it: a system colour value resolved to its colour.
    ColorValue ShownColor() const;
    // White or black, whichever reads on the colour.
    ColorValue TextColor() const { return ReadableTextColor(color_); }
    // "_____" until a colour is first shown.
    const QString& Text() const { return text_; }

    // The index of the chosen format; -1 or any index past the last writes as HTML.
    int Format() const { return format_; }
    // Chooses a format without writing the colour anew.
    void SetFormat(int format);
    // The prefix setting as it is stored: 0 with the prefix, any other number without.
    int PrefixTag() const { return prefixTag_; }
    bool PrefixOn() const { return prefixTag_ == 0; }
    void SetPrefixTag(int tag);
    // The prefix button's click: 1 becomes 0, anything else 1. The text shows it from the next colour.
    void BtnColorPreClick();

    // The colour in the format, prefix setting and decimal separator in force now.
    QString FormatColorValue(ColorValue value) const;

    void ShowAsCurrentColor(ColorValue value);
    // A decimal (or "$"/"0x" hexadecimal) value text; anything else shows white.
    void ShowAsCurrentColorFromText(std::string_view text);

signals:
    void Changed(); // the colour or its text
    void FormatChanged();
    void PrefixChanged();

private:
    const SystemColors& systemColors_;
    ColorValue color_ = ColorWhite;
    QString text_ = QStringLiteral("_____");
    int format_ = FormatHtml;
    int prefixTag_ = 0;
};
