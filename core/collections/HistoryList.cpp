#include "core/collections/HistoryList.h"

#include "core/color/ColorFormats.h"

#include <stdexcept>

bool HistoryList::RepeatRuleHolds(ColorValue color) const {
    if (rowCount() == 0)
        return false;
    const auto value = ValueText(FocusedRow());
    if (!value)
        throw std::out_of_range("the focused history row has no value");
    const auto parsed = ParseColorValueText(*value);
    return !parsed || *parsed == color;
}

void HistoryList::AddToHistory(const QString& text, ColorValue value) {
    InsertTop(text, QString::number(value));
    if (rowCount() >= RowLimit)
        ClearRows();
}
