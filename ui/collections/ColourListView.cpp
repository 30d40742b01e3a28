#include "ui/collections/ColourListView.h"

#include "core/collections/ColourList.h"
#include "ui/collections/ColourRowDelegate.h"

#include <QKeyEvent>
#include <QMouseEvent>

ColourListView::ColourListView(ColourList& list, QWidget* parent) : QListView(parent), list_(list) {
    setModel(&list);
    setItemDelegate(new ColourRowDelegate(this));
    setUniformItemSizes(true); // a million rows cost no more to lay out than ten
    setLayoutMode(QListView::Batched);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setFrameShape(QFrame::NoFrame);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(&list, &QAbstractItemModel::rowsInserted, this, &ColourListView::ShowFocusedRow);
    connect(&list, &QAbstractItemModel::modelReset, this, &ColourListView::ShowFocusedRow);
}

QList<int> ColourListView::SelectedRows() const {
    QList<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedIndexes())
        rows << index.row();
    return rows;
}

void ColourListView::ShowFocusedRow() {
    const int row = list_.FocusedRow();
    selectionModel()->setCurrentIndex(row < 0 ? QModelIndex() : list_.index(row, 0),
                                      QItemSelectionModel::NoUpdate);
}

void ColourListView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept(); // the menu opens without changing the selection
        return;
    }
    QListView::mousePressEvent(event);
}

void ColourListView::mouseReleaseEvent(QMouseEvent* event) {
    QListView::mouseReleaseEvent(event);
    const QModelIndex at = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && at.isValid())
        emit Chosen(currentIndex().isValid() ? currentIndex().row() : at.row());
}

void ColourListView::keyPressEvent(QKeyEvent* event) {
    emit KeyDown(event->key(), event->modifiers());
    const QModelIndex before = currentIndex();
    QListView::keyPressEvent(event);
    if (currentIndex() != before && currentIndex().isValid())
        emit Chosen(currentIndex().row());
}
