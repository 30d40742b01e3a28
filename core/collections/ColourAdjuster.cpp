#include "core/collections/ColourAdjuster.h"

#include "core/collections/ClipboardOutput.h"
#include "core/colour/CurrentColour.h"
#include "ui/picker/TFrmScreenColor.h"
#include "core/Guard.h"

#include <QLabel>
#include <QScrollBar>

ColourAdjuster::ColourAdjuster(TFrmScreenColor& window) : QObject(&window), window_(window) {
    connect(window_.SbR, &QScrollBar::valueChanged, this, &ColourAdjuster::SbRChange);
    connect(window_.SbG, &QScrollBar::valueChanged, this, &ColourAdjuster::SbGChange);
    connect(window_.SbB, &QScrollBar::valueChanged, this, &ColourAdjuster::SbBChange);
}

void ColourAdjuster::SbRChange() { BarChange(window_.SbR, window_.LblR); }
void ColourAdjuster::SbGChange() { BarChange(window_.SbG, window_.LblG); }
void ColourAdjuster::SbBChange() { BarChange(window_.SbB, window_.LblB); }

void ColourAdjuster::BarChange(QScrollBar* bar, QLabel* label) {
    RunGuarded([=, this] {
        label->setText(QString::asprintf("%d", bar->value()));
        if (BarsUpdating)
            return;
        window_.Current->ShowAsCurrentColor(
            PackRgb(window_.SbR->value(), window_.SbG->value(), window_.SbB->value()));
        window_.Clipboard->PaintCopySample();
        window_.Clipboard->CopyColorToClipboard();
    });
}

void ColourAdjuster::SyncAdjusterBars() {
    if (window_.PnlColorPlatte->isHidden()) // the panel's own flag, whether or not the window shows
        return;
    BarsUpdating = true;
    RunGuarded([this] {
        const ColorValue colour = window_.Current->Color();
        window_.SbR->setValue(RedOf(colour));
        window_.SbG->setValue(GreenOf(colour));
        window_.SbB->setValue(BlueOf(colour));
        window_.LblR->setText(QString::asprintf("%d", window_.SbR->value()));
        window_.LblG->setText(QString::asprintf("%d", window_.SbG->value()));
        window_.LblB->setText(QString::asprintf("%d", window_.SbB->value()));
    });
    BarsUpdating = false; // whatever failed, the bars answer the user again
}
