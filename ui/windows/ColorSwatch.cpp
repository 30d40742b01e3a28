#include "ui/windows/ColorSwatch.h"

#include "ui/controls/PressableAccessible.h"
#include "ui/controls/WindowColors.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

// A screen reader presses a swatch as a click does: its colour is previewed, then taken.
QAccessibleInterface* SwatchAccessible(const QString& className, QObject* object) {
    auto* swatch = className == QLatin1String("ColourSwatch") ? qobject_cast<ColorSwatch*>(object) : nullptr;
    if (!swatch)
        return nullptr;
    return new PressableAccessible(swatch, QAccessible::Button, [swatch] { swatch->Take(); });
}

} // namespace

ColorSwatch::ColorSwatch(QWidget* parent) : QLabel(parent) {
    [[maybe_unused]] static const bool accessible = (QAccessible::installFactory(SwatchAccessible), true);
    setFocusPolicy(Qt::TabFocus); // Tab previews a swatch, Space or Enter takes it
}

void ColorSwatch::SetColor(ColorValue color) {
    color_ = color;
    SetBackground(this, color);
    setAccessibleName(tr("颜色 #%1").arg(QString::fromStdString(ColorToHexText(color))));
}

void ColorSwatch::Take() {
    emit MouseEnter();
    emit Clicked();
}

void ColorSwatch::focusInEvent(QFocusEvent* event) {
    QLabel::focusInEvent(event);
    emit MouseEnter();
}

void ColorSwatch::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Take();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void ColorSwatch::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    emit MouseEnter();
}

void ColorSwatch::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Clicked();
}
