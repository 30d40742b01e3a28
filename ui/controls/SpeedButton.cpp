#include "ui/controls/SpeedButton.h"

#include "ui/controls/PressableAccessible.h"
#include "ui/resources/SkinPictures.h"

#include <QAccessible>
#include <QPainter>

namespace {

// A screen reader presses the button as a click does, and sees a toggle as a box that is ticked or not.
QAccessibleInterface* SpeedButtonAccessible(const QString& className, QObject* object) {
    auto* button = className == QLatin1String("SpeedButton") ? qobject_cast<SpeedButton*>(object) : nullptr;
    if (!button)
        return nullptr;
    return new PressableAccessible(
        button, QAccessible::Button, [button] { button->click(); }, [button] { return button->On(); });
}

} // namespace

SpeedButton::SpeedButton(QWidget* parent) : QToolButton(parent) {
    [[maybe_unused]] static const bool accessible =
        (QAccessible::installFactory(SpeedButtonAccessible), true);
    setAutoRaise(true);
    setFocusPolicy(Qt::TabFocus); // a click leaves the focus where it was
    setCursor(Qt::PointingHandCursor);
}

QImage SpeedButton::Glyph() const { return DecodePicture(glyphFile_); }

void SpeedButton::LoadGlyph(const QString& pictureName) {
    if (LoadPictureFile(glyphFile_, pictureName, QStringLiteral("bmp")))
        glyphName_ = pictureName;
    update();
}

void SpeedButton::SetOn(bool on) {
    if (on_ == on)
        return;
    on_ = on;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void SpeedButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QImage glyph = Glyph();
    if (glyph.isNull())
        return; // a button without a picture shows an empty face
    // A pressed button's face moves one pixel down and right, as flat buttons do.
    const int shift = isDown() ? 1 : 0;
    const QPoint at((width() - glyph.width()) / 2 + shift, (height() - glyph.height()) / 2 + shift);
    painter.drawImage(at, glyph);
}
