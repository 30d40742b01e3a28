#include "core/colour/CurrentColour.h"

#include <QLocale>

CurrentColour::CurrentColour(const SystemColours& systemColours, QObject* parent)
    : QObject(parent), systemColours_(systemColours) {}

ColorValue CurrentColour::ShownColor() const { return ResolveSystemColor(colour_, systemColours_); }

void CurrentColour::SetFormat(int format) {
    if (format == format_)
        return;
    format_ = format;
    emit FormatChanged();
}

void CurrentColour::SetPrefixTag(int tag) {
    if (tag == prefixTag_)
        return;
    prefixTag_ = tag;
    emit PrefixChanged();
}

void CurrentColour::BtnColorPreClick() { SetPrefixTag(prefixTag_ == 1 ? 0 : 1); }

QString CurrentColour::FormatColorValue(ColorValue value) const {
    const ColorTextStyle style{format_, PrefixOn(), QLocale().decimalPoint().toStdString()};
    return QString::fromStdString(::FormatColorValue(value, style, systemColours_));
}

void CurrentColour::ShowAsCurrentColor(ColorValue value) {
    colour_ = value;
    text_ = FormatColorValue(value);
    emit Changed();
}

void CurrentColour::ShowAsCurrentColorFromText(std::string_view text) {
    ShowAsCurrentColor(ParseColorValueText(text).value_or(ColorWhite));
}
