#include "collections/ClipboardOutput.h"

#include "colour/CurrentColour.h"
#include "colour/QtColor.h"
#include "picker/ImageControl.h"
#include "picker/TFrmScreenColor.h"
#include "platform/Platform.h"

ClipboardOutput::ClipboardOutput(TFrmScreenColor& window) : QObject(&window), window_(window) {}

void ClipboardOutput::PaintCopySample() {
    QImage& sample = window_.ImgCopy->Canvas();
    sample.fill(ToQColor(window_.Current->ShownColor()));
    window_.ImgCopy->update();
}
