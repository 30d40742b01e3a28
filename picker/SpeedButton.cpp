#include "picker/SpeedButton.h"

SpeedButton::SpeedButton(QWidget* parent) : QToolButton(parent) {
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
}

void SpeedButton::SetGlyph(const QString& pictureName) { glyphName_ = pictureName; }
