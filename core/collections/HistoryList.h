#pragma once

#include "core/colour/ColorValue.h"

#include <QObject>

class ColourList;
class TFrmScreenColor;

// The colours picking found, newest on top, each row drawn in its colour with the text it was given.
class HistoryList : public QObject {
    Q_OBJECT
public:
    // Rows beyond this many are never shown: the addition that reaches it empties the list.
    static constexpr int RowLimit = 100;

    explicit HistoryList(TFrmScreenColor& window);

    ColourList& Model() { return *model_; }

    // Whether the focused row already holds the colour (or a value that is no number). Fails when the
    // focused row has no value at all.
    bool RepeatRuleHolds(ColorValue colour) const;

    // The current colour's text and value become the top row; reaching the limit empties the rows.
    void AddToHistory();

    void LbColorsClick();
    void BtnClearAllColorClick();

private:
    TFrmScreenColor& window_;
    ColourList* model_;
};
