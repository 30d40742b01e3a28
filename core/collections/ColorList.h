#pragma once

#include "core/collections/ListEntries.h"
#include "core/color/ColorValue.h"

#include <QAbstractListModel>

#include <optional>
#include <string_view>

class SystemColors;

// The rows of a colour list and, beside them, the decimal colour values that go with them: row i with
// value i. The two are kept apart because files can replace the rows alone, so either side may be
// longer than the other; a row without a value, or with one that is no number, is drawn white. The
// focused row is the one the rules that look at "the chosen row" take.
class ColorList : public QAbstractListModel {
    Q_OBJECT
public:
    // The row's colour value; its text is written white or black by it.
    static constexpr int FillColorRole = Qt::UserRole + 1;
    // The colour the row is painted in: the value, a system colour resolved to the desktop's colour.
    static constexpr int PaintColorRole = Qt::UserRole + 2;

    explicit ColorList(const SystemColors& system, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    const ListEntries& Rows() const { return rows_; }
    const ListEntries& Values() const { return values_; }

    // The value that goes with the row: none when the row has none, and no number when it is not one.
    std::optional<std::string_view> ValueText(int row) const;
    ColorValue FillColor(int row) const;
    // The fill colour, a system colour resolved to the desktop's colour.
    ColorValue PaintColor(int row) const;

    // The row the user last chose, or the top row while the user has chosen none since rows were last
    // added, removed or replaced; -1 for an empty list.
    int FocusedRow() const;
    void ChooseRow(int row);

    // Adds a row and its value at the top together.
    void InsertTop(const QString& row, const QString& value);
    void ClearRows();
    void Clear();
    void SetRows(ListEntries rows);
    void SetValues(ListEntries values);

    // Removes the rows and, where they have one, their values; rows past the last value take none,
    // so what remains stays paired as it was.
    void RemoveRows(const QList<int>& rows);

private:
    const SystemColors& system_;
    ListEntries rows_;
    ListEntries values_;
    int chosen_ = -1;
};
