#include "ui/controls/WindowColors.h"

#include "ui/controls/QtColor.h"

#include <QWidget>

void SetBackground(QWidget* widget, ColorValue color) {
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, ToQColor(color));
    widget->setPalette(palette);
}

void SetTextColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

QWidget* ColoredPanel(QWidget* parent, ColorValue color) {
    auto* panel = new QWidget(parent);
    SetBackground(panel, color);
    return panel;
}
