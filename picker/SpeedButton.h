#pragma once

#include <QString>
#include <QToolButton>

// A flat picture button. Toggle buttons keep their on/off state in Tag and show it with a picture pair
// whose names differ by the prefix "c" (on) or "nc" (off).
class SpeedButton : public QToolButton {
    Q_OBJECT
public:
    explicit SpeedButton(QWidget* parent = nullptr);

    int Tag = 0;

    void SetGlyph(const QString& pictureName);
    QString GlyphName() const { return glyphName_; }

private:
    QString glyphName_;
};
