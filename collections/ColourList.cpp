#include "collections/ColourList.h"

#include "colour/ColorFormats.h"

#include <algorithm>

ColourList::ColourList(QObject* parent) : QAbstractListModel(parent) {}

int ColourList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant ColourList::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.size())
        return {};
    if (role == Qt::DisplayRole)
        return rows_[index.row()];
    if (role == FillColourRole)
        return FillColour(index.row());
    return {};
}

std::optional<QString> ColourList::ValueText(int row) const {
    if (row < 0 || row >= values_.size())
        return std::nullopt;
    return values_[row];
}

ColorValue ColourList::FillColour(int row) const {
    const auto text = ValueText(row);
    if (!text)
        return ColorWhite;
    return ParseColorValueText(text->toStdString()).value_or(ColorWhite);
}

void ColourList::InsertTop(const QString& row, const QString& value) {
    beginInsertRows({}, 0, 0);
    rows_.prepend(row);
    values_.prepend(value);
    endInsertRows();
}

void ColourList::ClearRows() {
    beginResetModel();
    rows_.clear();
    endResetModel();
}

void ColourList::Clear() {
    beginResetModel();
    rows_.clear();
    values_.clear();
    endResetModel();
}

void ColourList::SetRows(QStringList rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void ColourList::SetValues(QStringList values) {
    beginResetModel();
    values_ = std::move(values);
    endResetModel();
}

void ColourList::RemoveRows(QList<int> rows) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.isEmpty())
        return;
    beginResetModel();
    QStringList keptRows, keptValues;
    keptRows.reserve(rows_.size() - rows.size());
    auto removed = rows.cbegin();
    for (qsizetype i = 0; i < std::max(rows_.size(), values_.size()); ++i) {
        const bool remove = removed != rows.cend() && *removed == i;
        if (remove)
            ++removed;
        else if (i < rows_.size())
            keptRows.append(rows_[i]);
        if (!remove && i < values_.size())
            keptValues.append(values_[i]);
    }
    rows_ = std::move(keptRows);
    values_ = std::move(keptValues);
    endResetModel();
}
