#pragma once

#include <QObject>

class TFrmScreenColor;

// The current colour on its way to the clipboard: the sample picture it is copied as.
class ClipboardOutput : public QObject {
    Q_OBJECT
public:
    // The size of the sample picture.
    static constexpr int SampleWidth = 51;
    static constexpr int SampleHeight = 25;

    explicit ClipboardOutput(TFrmScreenColor& window);

    // Fills the hidden sample picture with the current colour.
    void PaintCopySample();

private:
    TFrmScreenColor& window_;
};
