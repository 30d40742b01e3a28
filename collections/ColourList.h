#pragma once

#include "colour/ColorValue.h"

#include <QAbstractListModel>
#include <QStringList>

#include <optional>

// The rows of a colour list and, beside them, the decimal colour values that go with them: row i with
// value i. The two are kept apart because files can replace the rows alone, so either side may be
// longer than the other; a row without a value, or with one that is no number, is drawn white.
class ColourList : public QAbstractListModel {
    Q_OBJECT
public:
    // The colour a row is drawn in, as a ColorValue.
    static constexpr int FillColourRole = Qt::UserRole + 1;

    explicit ColourList(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    const QStringList& Rows() const { return rows_; }
    QStringList& Values() { return values_; }
    const QStringList& Values() const { return values_; }

    // The value that goes with the row: empty when the row has none, and no number when it is not one.
    std::optional<QString> ValueText(int row) const;
    ColorValue FillColour(int row) const;

    // Adds a row and its value at the top together.
    void InsertTop(const QString& row, const QString& value);
    void ClearRows();
    void Clear();
    void SetRows(QStringList rows);
    void SetValues(QStringList values);

    // Removes the rows and, where they have one, their values; rows past the last value take none,
    // so what remains stays paired as it was.
    void RemoveRows(QList<int> rows);

private:
    QStringList rows_;
    QStringList values_;
};
