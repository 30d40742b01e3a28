#pragma once

#include <QAccessibleWidget>

#include <functional>
#include <optional>

// What a screen reader sees of a control that is pressed like a button: its role, a box ticked or not
// while it is a toggle (on_ gives a state), and a press action that does what a click does, at once.
class PressableAccessible : public QAccessibleWidget {
public:
    PressableAccessible(QWidget* widget, QAccessible::Role role, std::function<void()> press,
                        std::function<std::optional<bool>()> on = {});

    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& action) override;

private:
    std::function<void()> press_;
    std::function<std::optional<bool>()> on_;
};
