#include "ui/controls/PressableAccessible.h"

#include <QWidget>

PressableAccessible::PressableAccessible(QWidget* widget, QAccessible::Role role, std::function<void()> press,
                                         std::function<std::optional<bool>()> on)
    : QAccessibleWidget(widget, role), press_(std::move(press)), on_(std::move(on)) {}

QAccessible::Role PressableAccessible::role() const {
    return on_ && on_() ? QAccessible::CheckBox : QAccessibleWidget::role();
}

QAccessible::State PressableAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    if (const std::optional<bool> on = on_ ? on_() : std::nullopt) {
        state.checkable = true;
        state.checked = *on;
    }
    return state;
}

QStringList PressableAccessible::actionNames() const {
    QStringList names = QAccessibleWidget::actionNames();
    if (widget()->isEnabled())
        names.prepend(on_ && on_() ? toggleAction() : pressAction());
    return names;
}

void PressableAccessible::doAction(const QString& action) {
    if ((action == pressAction() || action == toggleAction()) && widget()->isEnabled())
        press_();
    else
        QAccessibleWidget::doAction(action);
}
