#pragma once

#include <QStyledItemDelegate>

// Draws a colour list row: the whole row in its colour, its text from the top-left corner in white on
// dark colours and black on light ones. Selection does not show; the focused row gets a dotted frame.
class ColorRowDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    static constexpr int RowHeight = 16;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
