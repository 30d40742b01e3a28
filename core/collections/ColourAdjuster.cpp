#include "core/collections/ColourAdjuster.h"

#include "core/collections/ClipboardOutput.h"
#include "core/colour/CurrentColour.h"
#include "core/Guard.h"

ColourAdjuster::ColourAdjuster(CurrentColour& current, ClipboardOutput& clipboard, QObject* parent)
    : QObject(parent), current_(current), clipboard_(clipboard) {}

QString ColourAdjuster::Label(Bar bar) const {
    return labels_[bar] ? QString::asprintf("%d", *labels_[bar]) : QStringLiteral("___");
}

void ColourAdjuster::BarChange(Bar bar, int position) {
    RunGuarded([=, this] {
        positions_[bar] = position;
        labels_[bar] = position;
        emit Changed();
        if (barsUpdating_)
            return;
        current_.ShowAsCurrentColor(PackRgb(positions_[Red], positions_[Green], positions_[Blue]));
        clipboard_.PaintCopySample();
        clipboard_.CopyColorToClipboard();
    });
}

void ColourAdjuster::SyncAdjusterBars() {
    barsUpdating_ = true;
    RunGuarded([this] {
        const ColorValue colour = current_.Color();
        // Each bar that moves runs its change handler, which only writes its label now.
        const int channels[] = {RedOf(colour), GreenOf(colour), BlueOf(colour)};
        for (Bar bar : {Red, Green, Blue})
            if (positions_[bar] != channels[bar])
                BarChange(bar, channels[bar]);
        for (Bar bar : {Red, Green, Blue})
            labels_[bar] = positions_[bar];
        emit Changed();
    });
    barsUpdating_ = false; // whatever failed, the bars answer the user again
}
