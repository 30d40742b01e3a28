#include "collections/ClipboardOutput.h"

#include "collections/ColourAdjuster.h"
#include "colour/CurrentColour.h"
#include "colour/QtColor.h"
#include "picker/ImageControl.h"
#include "picker/TFrmScreenColor.h"
#include "platform/Clipboard.h"
#include "platform/Platform.h"
#include "windows/Guard.h"
#include "windows/Messages.h"

#include <QLabel>
#include <QListWidget>

#include <stdexcept>

ClipboardOutput::ClipboardOutput(TFrmScreenColor& window) : QObject(&window), window_(window) {}

void ClipboardOutput::PaintCopySample() {
    QImage& sample = window_.ImgCopy->Canvas();
    sample.fill(ToQColor(window_.Current->ShownColor()));
    window_.ImgCopy->update();
}

void ClipboardOutput::CopyColorToClipboard() {
    RunGuarded([this] {
        const int pasteType = window_.LbPasteType->currentRow();
        if (pasteType != PasteValue && pasteType != PasteSample)
            return;
        const QString text = window_.Current->FormatColorValue(window_.Current->Color());
        Clipboard& clipboard = window_.Desktop().Clip();
        if (pasteType == PasteValue) {
            clipboard.SetText(text);
        } else {
            const QImage& sample = window_.ImgCopy->Picture();
            if (sample.isNull())
                throw std::logic_error("no sample has been painted yet");
            clipboard.SetImage(sample);
        }
        // Said only once the clipboard has taken the data.
        const std::string& message = pasteType == PasteValue ? MsgValueCopied : MsgSampleCopied;
        window_.LblHnit->setText(QString::asprintf(message.c_str(), text.toUtf8().constData()));
    });
}

void ClipboardOutput::BtnCopyColorClick() {
    RunGuarded([this] {
        PaintCopySample();
        window_.Adjuster->SyncAdjusterBars();
        CopyColorToClipboard();
    });
}

void ClipboardOutput::LbPasteTypeClick() {
    RunGuarded([this] { CopyColorToClipboard(); });
}
