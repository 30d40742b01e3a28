#include "ui/controls/FixedRowDelegate.h"

#include "ui/controls/RowText.h"

#include <QApplication>
#include <QPainter>

FixedRowDelegate::FixedRowDelegate(int rowHeight, QObject* parent)
    : QStyledItemDelegate(parent), rowHeight_(rowHeight) {}

QSize FixedRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    return {QStyledItemDelegate::sizeHint(option, index).width(), rowHeight_};
}

void FixedRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    QStyleOptionViewItem row = option;
    initStyleOption(&row, index);
    const QString text = row.text;
    row.text.clear(); // the style draws the row's face, the text goes where the row's typeface puts it
    // A chosen row shows as chosen whether or not its list or window has the focus: some styles grey it
    // out otherwise, so that the choice cannot be seen.
    const bool chosen = row.state & QStyle::State_Selected;
    if (chosen) {
        painter->fillRect(row.rect, row.palette.brush(QPalette::Active, QPalette::Highlight));
        row.state &= ~QStyle::State_Selected;
    }
    const QStyle* style = row.widget ? row.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &row, painter, row.widget);
    painter->save();
    painter->setFont(row.font);
    painter->setPen(row.palette.color(QPalette::Active, chosen ? QPalette::HighlightedText : QPalette::Text));
    DrawRowText(*painter, row.rect, text);
    painter->restore();
}
