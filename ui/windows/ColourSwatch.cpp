#include "ui/windows/ColourSwatch.h"

#include "ui/controls/WindowColours.h"

#include <QMouseEvent>

ColourSwatch::ColourSwatch(QWidget* parent) : QLabel(parent) {}

void ColourSwatch::SetColor(ColorValue colour) {
    colour_ = colour;
    SetBackground(this, colour);
}

void ColourSwatch::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    emit MouseEnter();
}

void ColourSwatch::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Clicked();
}
