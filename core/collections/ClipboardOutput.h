#pragma once

#include "core/color/ColorValue.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class CurrentColor;

// The current colour on its way to the clipboard, as its text or as a small sample picture, as the
// paste type says; then the hint line says what was copied. The sample picture holds the colour it
// was last painted with.
class ClipboardOutput : public QObject {
    Q_OBJECT
public:
    enum PasteType { PasteValue = 0, PasteSample = 1 };
    // The sample picture's size.
    static constexpr int SampleWidth = 51, SampleHeight = 25;

    explicit ClipboardOutput(CurrentColor& current, QObject* parent = nullptr);

    // The chosen row of the paste-type list: 0, 1, or -1 for none, with which nothing is copied.
    int PasteType() const { return pasteType_; }
    void SetPasteType(int row);

    // The colour the sample picture is filled with; none before it is first painted.
    std::optional<ColorValue> Sample() const { return sample_; }
    // Fills the sample picture with the current colour.
    void PaintCopySample();
    // Puts the current colour on the clipboard as the paste type says, and says so. A clipboard that
    // refuses, or a picture asked for before any sample was painted, ends it without a word.
    void CopyColorToClipboard();

    // The desktop's clipboard: what replaces its content, the colour's text or a sample picture of the
    // colour. Either may fail by throwing.
    std::function<void(const QString& text)> WriteText;
    std::function<void(ColorValue sample)> WriteSample;

signals:
    void PasteTypeChanged();
    void SampleChanged();
    // Said only once the clipboard has taken the data.
    void Copied(const QString& message);

private:
    CurrentColor& current_;
    int pasteType_ = PasteValue;
    std::optional<ColorValue> sample_;
};
