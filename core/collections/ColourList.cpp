#include "core/collections/ColourList.h"

#include "core/colour/ColorFormats.h"

ColourList::ColourList(const SystemColours& system, QObject* parent)
    : QAbstractListModel(parent), system_(system) {}

int ColourList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant ColourList::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.size())
        return {};
    if (role == Qt::DisplayRole)
        return rows_.ShownText(index.row());
    if (role == FillColourRole)
        return FillColour(index.row());
    if (role == PaintColourRole)
        return PaintColour(index.row());
    return {};
}

std::optional<std::string_view> ColourList::ValueText(int row) const {
    if (row < 0 || row >= values_.size())
        return std::nullopt;
    return values_.Bytes(row);
}

ColorValue ColourList::FillColour(int row) const {
    const auto text = ValueText(row);
    if (!text)
        return ColorWhite;
    return ParseColorValueText(*text).value_or(ColorWhite);
}

ColorValue ColourList::PaintColour(int row) const { return ResolveSystemColor(FillColour(row), system_); }

int ColourList::FocusedRow() const {
    if (chosen_ >= 0 && chosen_ < rows_.size())
        return chosen_;
    return rows_.empty() ? -1 : 0;
}

void ColourList::ChooseRow(int row) { chosen_ = row; }

void ColourList::InsertTop(const QString& row, const QString& value) {
    chosen_ = -1;
    beginInsertRows({}, 0, 0);
    rows_.PushFront(row);
    values_.PushFront(value);
    endInsertRows();
}

void ColourList::ClearRows() {
    chosen_ = -1;
    beginResetModel();
    rows_.clear();
    endResetModel();
}

void ColourList::Clear() {
    chosen_ = -1;
    beginResetModel();
    rows_.clear();
    values_.clear();
    endResetModel();
}

void ColourList::SetRows(ListEntries rows) {
    chosen_ = -1;
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void ColourList::SetValues(ListEntries values) {
    beginResetModel();
    values_ = std::move(values);
    endResetModel();
}

void ColourList::RemoveRows(const QList<int>& rows) {
    chosen_ = -1;
    beginResetModel();
    rows_.Remove(rows);
    values_.Remove(rows);
    endResetModel();
}
