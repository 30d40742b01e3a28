#include "ui/windows/ColourSwatch.h"

#include "ui/controls/PressableAccessible.h"
#include "ui/controls/WindowColours.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

// A screen reader presses a swatch as a click does: its colour is previewed, then taken.
QAccessibleInterface* SwatchAccessible(const QString& className, QObject* object) {
    auto* swatch = className == QLatin1String("ColourSwatch") ? qobject_cast<ColourSwatch*>(object) : nullptr;
    if (!swatch)
        return nullptr;
    return new PressableAccessible(swatch, QAccessible::Button, [swatch] { swatch->Take(); });
}

} // namespace

ColourSwatch::ColourSwatch(QWidget* parent) : QLabel(parent) {
    [[maybe_unused]] static const bool accessible = (QAccessible::installFactory(SwatchAccessible), true);
    setFocusPolicy(Qt::TabFocus); // Tab previews a swatch, Space or Enter takes it
}

void ColourSwatch::SetColor(ColorValue colour) {
    colour_ = colour;
    SetBackground(this, colour);
    setAccessibleName(tr("颜色 #%1").arg(QString::fromStdString(ColorToHexText(colour))));
}

void ColourSwatch::Take() {
    emit MouseEnter();
    emit Clicked();
}

void ColourSwatch::focusInEvent(QFocusEvent* event) {
    QLabel::focusInEvent(event);
    emit MouseEnter();
}

void ColourSwatch::keyPressEvent(QKeyEvent* event) {
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

void ColourSwatch::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    emit MouseEnter();
}

void ColourSwatch::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Clicked();
}
