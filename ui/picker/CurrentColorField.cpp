#include "ui/picker/CurrentColorField.h"

#include "core/color/CurrentColor.h"
#include "ui/controls/QtColor.h"
#include "ui/controls/WindowFonts.h"

CurrentColorField::CurrentColorField(const CurrentColor& current, QWidget* parent)
    : QLineEdit(parent), current_(current) {
    setObjectName(QStringLiteral("LblCurVal"));
    setFrame(false);
    setFont(SongTi(20));
    setReadOnly(true);
    setText(current.Text());
    connect(&current, &CurrentColor::Changed, this, &CurrentColorField::Show);
}

void CurrentColorField::Show() {
    QPalette colors = palette();
    colors.setColor(QPalette::Base, ToQColor(current_.ShownColor()));
    colors.setColor(QPalette::Text, ToQColor(current_.TextColor()));
    setPalette(colors);
    setText(current_.Text());
}
