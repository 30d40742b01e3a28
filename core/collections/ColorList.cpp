#include "core/collections/ColorList.h"

#include "core/color/ColorFormats.h"

ColorList::ColorList(const SystemColors& system, QObject* parent)
    : QAbstractListModel(parent), system_(system) {}

int ColorList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant ColorList::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.size())
        return {};
    if (role == Qt::DisplayRole)
        return rows_.ShownText(index.row());
    if (role == FillColorRole)
        return FillColor(index.row());
    if (role == PaintColorRole)
        return PaintColor(index.row());
    return {};
}

std::optional<std::string_view> ColorList::ValueText(int row) const {
    if (row < 0 || row >= values_.size())
        return std::nullopt;
    return values_.Bytes(row);
}

ColorValue ColorList::FillColor(int row) const {
    const auto text = ValueText(row);
    if (!text)
        return ColorWhite;
    return ParseColorValueText(*text).value_or(ColorWhite);
}

ColorValue ColorList::PaintColor(int row) const { return ResolveSystemColor(FillColor(row), system_); }

int ColorList::FocusedRow() const {
    if (chosen_ >= 0 && chosen_ < rows_.size())
        return chosen_;
    return rows_.empty() ? -1 : 0;
}

void ColorList::ChooseRow(int row) { chosen_ = row; }

void ColorList::InsertTop(const QString& row, const QString& value) {
    chosen_ = -1;
    beginInsertRows({}, 0, 0);
    rows_.PushFront(row);
    values_.PushFront(value);
    endInsertRows();
}

void ColorList::ClearRows() {
    chosen_ = -1;
    beginResetModel();
    rows_.clear();
    endResetModel();
}

void ColorList::Clear() {
    chosen_ = -1;
    beginResetModel();
    rows_.clear();
    values_.clear();
    endResetModel();
}

void ColorList::SetRows(ListEntries rows) {
    chosen_ = -1;
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void ColorList::SetValues(ListEntries values) {
    beginResetModel();
    values_ = std::move(values);
    endResetModel();
}

void ColorList::RemoveRows(const QList<int>& rows) {
    chosen_ = -1;
    beginResetModel();
    rows_.Remove(rows);
    values_.Remove(rows);
    endResetModel();
}
