#pragma once

#include "core/collections/ColorList.h"

// The colours picking found, newest on top, each row with the text it was given.
class HistoryList : public ColorList {
    Q_OBJECT
public:
    // Rows beyond this many are never shown: the addition that reaches it empties the list.
    static constexpr int RowLimit = 100;

    using ColorList::ColorList;

    // Whether the focused row already holds the colour (or a value that is no number). Fails when the
    // focused row has no value at all.
    bool RepeatRuleHolds(ColorValue color) const;

    // The text and value become the top row, and the focused one: a resting pointer adds one row,
    // whatever row was chosen before. Reaching the limit empties the rows.
    void AddToHistory(const QString& text, ColorValue value);
};
