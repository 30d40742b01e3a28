#include "core/collections/ColorAdjuster.h"

#include "core/collections/ClipboardOutput.h"
#include "core/color/CurrentColor.h"
#include "core/Guard.h"

ColorAdjuster::ColorAdjuster(CurrentColor& current, ClipboardOutput& clipboard, QObject* parent)
    : QObject(parent), current_(current), clipboard_(clipboard) {}

QString ColorAdjuster::Label(Bar bar) const {
    return labels_[bar] ? QString::asprintf("%d", *labels_[bar]) : QStringLiteral("___");
}

void ColorAdjuster::BarChange(Bar bar, int position) {
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

void ColorAdjuster::SyncAdjusterBars() {
    barsUpdating_ = true;
    RunGuarded([this] {
        const ColorValue color = current_.Color();
        // Each bar that moves runs its change handler, which only writes its label now.
        const int channels[] = {RedOf(color), GreenOf(color), BlueOf(color)};
        for (Bar bar : {Red, Green, Blue})
            if (positions_[bar] != channels[bar])
                BarChange(bar, channels[bar]);
        for (Bar bar : {Red, Green, Blue})
            labels_[bar] = positions_[bar];
        emit Changed();
    });
    barsUpdating_ = false; // whatever failed, the bars answer the user again
}
