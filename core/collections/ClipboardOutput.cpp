#include "core/collections/ClipboardOutput.h"

#include "core/color/CurrentColor.h"
#include "core/Guard.h"
#include "core/windows/Messages.h"

#include <stdexcept>

ClipboardOutput::ClipboardOutput(CurrentColor& current, QObject* parent)
    : QObject(parent), current_(current) {}

void ClipboardOutput::SetPasteType(int row) {
    if (row == pasteType_)
        return;
    pasteType_ = row;
    emit PasteTypeChanged();
}

void ClipboardOutput::PaintCopySample() {
    sample_ = current_.ShownColor();
    emit SampleChanged();
}

void ClipboardOutput::CopyColorToClipboard() {
    RunGuarded([this] {
        if (pasteType_ != PasteValue && pasteType_ != PasteSample)
            return;
        const QString text = current_.FormatColorValue(current_.Color());
        if (pasteType_ == PasteValue) {
            WriteText(text);
        } else {
            if (!sample_)
                throw std::logic_error("no sample has been painted yet");
            WriteSample(*sample_);
        }
        const std::string& message = pasteType_ == PasteValue ? MsgValueCopied : MsgSampleCopied;
        emit Copied(QString::asprintf(message.c_str(), text.toUtf8().constData()));
    });
}
