#include "core/color/CurrentColor.h"

#include <QLocale>

CurrentColor::CurrentColor(const SystemColors& systemColors, QObject* parent)
    : QObject(parent), systemColors_(systemColors) {}

ColorValue CurrentColor::ShownColor() const { return ResolveSystemColor(color_, systemColors_); }

void CurrentColor::SetFormat(int format) {
    if (format == format_)
        return;
    format_ = format;
    emit FormatChanged();
}

void CurrentColor::SetPrefixTag(int tag) {
    if (tag == prefixTag_)
        return;
    prefixTag_ = tag;
    emit PrefixChanged();
}

void CurrentColor::BtnColorPreClick() { SetPrefixTag(prefixTag_ == 1 ? 0 : 1); }

QString CurrentColor::FormatColorValue(ColorValue value) const {
    const ColorTextStyle style{format_, PrefixOn(), QLocale().decimalPoint().toStdString()};
    return QString::fromStdString(::FormatColorValue(value, style, systemColors_));
}

void CurrentColor::ShowAsCurrentColor(ColorValue value) {
    color_ = value;
    text_ = FormatColorValue(value);
    emit Changed();
}

void CurrentColor::ShowAsCurrentColorFromText(std::string_view text) {
    ShowAsCurrentColor(ParseColorValueText(text).value_or(ColorWhite));
}
