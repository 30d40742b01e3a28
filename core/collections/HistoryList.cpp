#include "core/collections/HistoryList.h"

#include "core/collections/ClipboardOutput.h"
#include "core/collections/ColourAdjuster.h"
#include "core/collections/ColourList.h"
#include "ui/collections/ColourListView.h"
#include "core/colour/ColorFormats.h"
#include "core/colour/CurrentColour.h"
#include "core/picker/PickLoop.h"
#include "ui/picker/TFrmScreenColor.h"
#include "platform/Platform.h"
#include "core/Guard.h"

#include <QLineEdit>

#include <stdexcept>

HistoryList::HistoryList(TFrmScreenColor& window)
    : QObject(&window), window_(window), model_(new ColourList(window.Desktop().Colours(), this)) {
    window_.LbColors->setModel(model_);
    connect(window_.LbColors, &ColourListView::Click, this, &HistoryList::LbColorsClick);
}

bool HistoryList::RepeatRuleHolds(ColorValue colour) const {
    if (model_->rowCount() == 0)
        return false;
    const auto value = model_->ValueText(window_.LbColors->FocusedRow());
    if (!value)
        throw std::out_of_range("the focused history row has no value");
    const auto parsed = ParseColorValueText(*value);
    return !parsed || *parsed == colour;
}

void HistoryList::AddToHistory() {
    model_->InsertTop(window_.LblCurVal->text(), QString::number(window_.Current->Color()));
    if (model_->rowCount() >= RowLimit)
        model_->ClearRows();
    // A resting pointer adds one row, whatever row was chosen before: the next tick compares with this one.
    window_.LbColors->FocusTopRow();
}

void HistoryList::LbColorsClick() {
    RunGuarded([this] {
        window_.Picking->SwitchPickingOff();
        const auto value = model_->ValueText(window_.LbColors->FocusedRow());
        if (!value)
            throw std::out_of_range("the clicked row has no value");
        window_.Current->ShowAsCurrentColorFromText(*value);
        window_.Clipboard->PaintCopySample();
        window_.Adjuster->SyncAdjusterBars();
        window_.Clipboard->CopyColorToClipboard();
    });
}

void HistoryList::BtnClearAllColorClick() {
    RunGuarded([this] { model_->Clear(); });
}
