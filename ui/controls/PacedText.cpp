#include "ui/controls/PacedText.h"

namespace {

constexpr int Pace = 1000; // ms

} // namespace

PacedText::PacedText(std::function<void(const QString&)> apply, QObject* parent)
    : QObject(parent), apply_(std::move(apply)) {
    wait_.setSingleShot(true);
    connect(&wait_, &QTimer::timeout, this, &PacedText::Apply);
}

void PacedText::Set(const QString& text) {
    text_ = text;
    if (wait_.isActive())
        return;
    if (!since_.isValid() || since_.elapsed() >= Pace)
        Apply();
    else
        wait_.start(Pace - static_cast<int>(since_.elapsed()));
}

void PacedText::Apply() {
    since_.start();
    apply_(text_);
}
