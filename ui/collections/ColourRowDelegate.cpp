#include "ui/collections/ColourRowDelegate.h"

#include "core/collections/ColourList.h"
#include "ui/controls/QtColor.h"
#include "ui/controls/RowText.h"

#include <QPainter>

void ColourRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    const ColorValue fill = index.data(ColourList::FillColourRole).toInt();
    painter->fillRect(option.rect, ToQColor(index.data(ColourList::PaintColourRole).toInt()));
    painter->setPen(ToQColor(ReadableTextColor(fill)));
    painter->setFont(option.font);
    DrawRowText(*painter, option.rect, index.data(Qt::DisplayRole).toString());
    if (option.state & QStyle::State_HasFocus) {
        QPen dotted(ToQColor(ReadableTextColor(fill)), 1, Qt::DotLine);
        painter->setPen(dotted);
        painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    }
}

QSize ColourRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    return {QStyledItemDelegate::sizeHint(option, index).width(), RowHeight};
}
