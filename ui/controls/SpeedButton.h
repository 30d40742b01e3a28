#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QToolButton>

#include <optional>

// A flat picture button: its glyph is drawn centred on an otherwise empty face. A toggle shows its
// state, which the picker keeps, with a picture pair whose names differ by the prefix "c" (on) or
// "nc" (off). Tab reaches it and Space presses it.
class SpeedButton : public QToolButton {
    Q_OBJECT
public:
    explicit SpeedButton(QWidget* parent = nullptr);

    QImage Glyph() const;
    // Takes the named "bmp" picture as the glyph; a missing or broken picture leaves the glyph as it was.
    // Only the picture's file is kept, in the program's read-only pages, and decoded at each paint: a
    // button is painted when shown, pointed at or pressed.
    void LoadGlyph(const QString& pictureName);
    // The name of the picture the glyph was last loaded from.
    QString GlyphName() const { return glyphName_; }
    // A toggle tells a screen reader whether it is on; other buttons have no such state.
    void SetOn(bool on);
    std::optional<bool> On() const { return on_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QByteArray glyphFile_;
    QString glyphName_;
    std::optional<bool> on_;
};
