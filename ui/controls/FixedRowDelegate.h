#pragma once

#include <QStyledItemDelegate>

// Draws list rows as usual at one fixed height, the list box's item height.
class FixedRowDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    FixedRowDelegate(int rowHeight, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int rowHeight_;
};
