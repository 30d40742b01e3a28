#include "core/picker/HotkeyChoice.h"

void HotkeyChoice::SetOn(bool on) {
    if (on == on_)
        return;
    on_ = on;
    emit Changed();
}

void HotkeyChoice::SetKeys(const QString& keys) {
    const QString chosen = keys.trimmed().isEmpty() ? DefaultKeys : keys.trimmed();
    if (chosen == keys_)
        return;
    keys_ = chosen;
    emit Changed();
}

void HotkeyChoice::SetProblem(const QString& why) {
    if (why == problem_)
        return;
    problem_ = why;
    emit ProblemChanged();
}
