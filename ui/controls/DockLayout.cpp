#include "ui/controls/DockLayout.h"

#include <QWidget>

DockLayout::DockLayout(QWidget* parent) : QLayout(parent) {
    setContentsMargins(0, 0, 0, 0);
    setSpacing(0);
}

DockLayout::~DockLayout() {
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

void DockLayout::addWidget(QWidget* widget, Dock dock, int size) {
    addChildWidget(widget);
    items_.append({new QWidgetItem(widget), dock, size});
    invalidate();
}

void DockLayout::SetDockSize(QWidget* widget, int size) {
    for (Entry& entry : items_)
        if (entry.Item->widget() == widget)
            entry.Size = size;
    invalidate();
}

int DockLayout::DockSize(QWidget* widget) const {
    for (const Entry& entry : items_)
        if (entry.Item->widget() == widget)
            return entry.Size;
    return 0;
}

void DockLayout::addItem(QLayoutItem* item) { items_.append({item, Client, 0}); }

QLayoutItem* DockLayout::itemAt(int index) const {
    return index >= 0 && index < items_.size() ? items_[index].Item : nullptr;
}

QLayoutItem* DockLayout::takeAt(int index) {
    return index >= 0 && index < items_.size() ? items_.takeAt(index).Item : nullptr;
}

QSize DockLayout::sizeHint() const {
    int width = 0, height = 0;
    for (const Entry& entry : items_) {
        if (entry.Where == Top || entry.Where == Bottom)
            height += entry.Size;
        else if (entry.Where == Left || entry.Where == Right)
            width += entry.Size;
    }
    return {width, height};
}

namespace {

// Docked controls take exactly the rectangle they are given, whatever their size hints say; asking a
// word-wrapped label for its height on every layout pass would cost a text layout each time.
void Place(QLayoutItem* item, const QRect& rect) {
    if (QWidget* widget = item->widget())
        widget->setGeometry(rect);
    else
        item->setGeometry(rect);
}

} // namespace

void DockLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    QRect rest = rect.marginsRemoved(contentsMargins());
    for (const Entry& entry : items_) {
        if (entry.Item->isEmpty() || entry.Where == Client)
            continue;
        const int size = entry.Size;
        switch (entry.Where) {
        case Top:
            Place(entry.Item, {rest.left(), rest.top(), rest.width(), size});
            rest.setTop(rest.top() + size);
            break;
        case Bottom:
            Place(entry.Item, {rest.left(), rest.bottom() + 1 - size, rest.width(), size});
            rest.setBottom(rest.bottom() - size);
            break;
        case Left:
            Place(entry.Item, {rest.left(), rest.top(), size, rest.height()});
            rest.setLeft(rest.left() + size);
            break;
        case Right:
            Place(entry.Item, {rest.right() + 1 - size, rest.top(), size, rest.height()});
            rest.setRight(rest.right() - size);
            break;
        case Client:
            break;
        }
    }
    // Client items share what the edges left, as stacked panels do.
    for (const Entry& entry : items_)
        if (entry.Where == Client && !entry.Item->isEmpty())
            Place(entry.Item, rest);

    // A window that is not shown yet gets no resize events, so the panels inside it are laid out here:
    // controls have their places from the moment the window is made.
    for (const Entry& entry : items_) {
        QWidget* widget = entry.Item->widget();
        if (widget && !widget->isVisible() && widget->layout())
            widget->layout()->setGeometry(widget->rect());
    }
}
