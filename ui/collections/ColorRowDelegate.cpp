#include "ui/collections/ColorRowDelegate.h"

#include "core/collections/ColorList.h"
#include "ui/controls/QtColor.h"
#include "ui/controls/RowText.h"

#include <QPainter>

void ColorRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    const ColorValue fill = index.data(ColorList::FillColorRole).toInt();
    painter->fillRect(option.rect, ToQColor(index.data(ColorList::PaintColorRole).toInt()));
    painter->setPen(ToQColor(ReadableTextColor(fill)));
    painter->setFont(option.font);
    DrawRowText(*painter, option.rect, index.data(Qt::DisplayRole).toString());
    if (option.state & QStyle::State_HasFocus) {
        QPen dotted(ToQColor(ReadableTextColor(fill)), 1, Qt::DotLine);
        painter->setPen(dotted);
        painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    }
}

QSize ColorRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    return {QStyledItemDelegate::sizeHint(option, index).width(), RowHeight};
}
