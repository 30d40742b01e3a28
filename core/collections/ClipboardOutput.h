#pragma once

#include <QObject>

class TFrmScreenColor;

// The current colour on its way to the clipboard, as its text or as a small sample picture, as the
// paste-type list says; the hint line then says what was copied.
class ClipboardOutput : public QObject {
    Q_OBJECT
public:
    enum PasteType { PasteValue = 0, PasteSample = 1 };

    explicit ClipboardOutput(TFrmScreenColor& window);

    // Fills the hidden sample picture with the current colour.
    void PaintCopySample();
    void CopyColorToClipboard();

    void BtnCopyColorClick();
    void LbPasteTypeClick();

private:
    TFrmScreenColor& window_;
};
