#include "core/collections/ClipboardOutput.h"

#include "core/collections/ColourAdjuster.h"
#include "core/colour/CurrentColour.h"
#include "ui/picker/QtColor.h"
#include "ui/picker/ImageControl.h"
#include "ui/picker/TFrmScreenColor.h"
#include "platform/Clipboard.h"
#include "platform/Platform.h"
#include "core/Guard.h"
#include "core/windows/Messages.h"

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
