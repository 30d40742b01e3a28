#include "ui/controls/SpeedButton.h"

#include "ui/resources/SkinPictures.h"

#include <QPainter>

SpeedButton::SpeedButton(QWidget* parent) : QToolButton(parent) {
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

void SpeedButton::LoadGlyph(const QString& pictureName) {
    if (LoadBitmapResource(glyph_, pictureName, QStringLiteral("bmp")))
        glyphName_ = pictureName;
    update();
}

void SpeedButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (glyph_.isNull())
        return; // a button without a picture shows an empty face
    // A pressed button's face moves one pixel down and right, as flat buttons do.
    const int shift = isDown() ? 1 : 0;
    const QPoint at((width() - glyph_.width()) / 2 + shift, (height() - glyph_.height()) / 2 + shift);
    painter.drawPixmap(at, glyph_);
}
