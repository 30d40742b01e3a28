#include "ui/collections/ColourListView.h"

#include "ui/collections/ColourRowDelegate.h"

#include <QKeyEvent>
#include <QMouseEvent>

ColourListView::ColourListView(QWidget* parent) : QListView(parent) {
    setItemDelegate(new ColourRowDelegate(this));
    setUniformItemSizes(true); // a million rows cost no more to lay out than ten
    setLayoutMode(QListView::Batched);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setFrameShape(QFrame::NoFrame);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

int ColourListView::FocusedRow() const {
    if (chosen_.isValid())
        return chosen_.row();
    return model() && model()->rowCount() > 0 ? 0 : -1;
}

void ColourListView::FocusTopRow() {
    chosen_ = QPersistentModelIndex();
    if (model() && model()->rowCount() > 0)
        selectionModel()->setCurrentIndex(model()->index(0, 0), QItemSelectionModel::NoUpdate);
}

void ColourListView::UserChose() {
    chosen_ = currentIndex();
    emit Click();
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
    if (event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid())
        UserChose();
}

void ColourListView::keyPressEvent(QKeyEvent* event) {
    emit KeyDown(event->key(), event->modifiers());
    const QModelIndex before = currentIndex();
    QListView::keyPressEvent(event);
    if (currentIndex() != before && currentIndex().isValid())
        UserChose();
}
