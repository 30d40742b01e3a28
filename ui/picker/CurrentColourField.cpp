#include "ui/picker/CurrentColourField.h"

#include "core/colour/CurrentColour.h"
#include "ui/controls/QtColor.h"
#include "ui/controls/WindowFonts.h"

CurrentColourField::CurrentColourField(const CurrentColour& current, QWidget* parent)
    : QLineEdit(parent), current_(current) {
    setObjectName(QStringLiteral("LblCurVal"));
    setFrame(false);
    setFont(SongTi(20));
    setReadOnly(true);
    setText(current.Text());
    connect(&current, &CurrentColour::Changed, this, &CurrentColourField::Show);
}

void CurrentColourField::Show() {
    QPalette colours = palette();
    colours.setColor(QPalette::Base, ToQColor(current_.ShownColor()));
    colours.setColor(QPalette::Text, ToQColor(current_.TextColor()));
    setPalette(colours);
    setText(current_.Text());
}
