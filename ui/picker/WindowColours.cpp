#include "ui/picker/WindowColours.h"

#include "ui/picker/QtColor.h"

#include <QWidget>

void SetBackground(QWidget* widget, ColorValue colour) {
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, ToQColor(colour));
    widget->setPalette(palette);
}

QWidget* ColouredPanel(QWidget* parent, ColorValue colour) {
    auto* panel = new QWidget(parent);
    SetBackground(panel, colour);
    return panel;
}
