#include "ui/collections/ColorListView.h"

#include "core/collections/ColorList.h"
#include "ui/collections/ColorRowDelegate.h"

#include <QKeyEvent>
#include <QMouseEvent>

ColorListView::ColorListView(ColorList& list, QWidget* parent) : QListView(parent), list_(list) {
    setModel(&list);
    setItemDelegate(new ColorRowDelegate(this));
    setUniformItemSizes(true); // a million rows cost no more to lay out than ten
    setLayoutMode(QListView::Batched);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setFrameShape(QFrame::NoFrame);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(&list, &QAbstractItemModel::rowsInserted, this, &ColorListView::ShowFocusedRow);
    connect(&list, &QAbstractItemModel::modelReset, this, &ColorListView::ShowFocusedRow);
}

QList<int> ColorListView::SelectedRows() const {
    QList<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedIndexes())
        rows << index.row();
    return rows;
}

void ColorListView::ShowFocusedRow() {
    const int row = list_.FocusedRow();
    selectionModel()->setCurrentIndex(row < 0 ? QModelIndex() : list_.index(row, 0),
                                      QItemSelectionModel::NoUpdate);
}

void ColorListView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept(); // the menu opens without changing the selection
        return;
    }
    QListView::mousePressEvent(event);
}

void ColorListView::mouseReleaseEvent(QMouseEvent* event) {
    QListView::mouseReleaseEvent(event);
    const QModelIndex at = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && at.isValid())
        emit Chosen(currentIndex().isValid() ? currentIndex().row() : at.row());
}

void ColorListView::keyPressEvent(QKeyEvent* event) {
    emit KeyDown(event->key(), event->modifiers());
    const QModelIndex before = currentIndex();
    QListView::keyPressEvent(event);
    if (currentIndex() != before && currentIndex().isValid())
        emit Chosen(currentIndex().row());
}
