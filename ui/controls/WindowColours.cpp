#include "ui/controls/WindowColours.h"

#include "ui/controls/QtColor.h"

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
