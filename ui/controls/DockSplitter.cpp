#include "ui/controls/DockSplitter.h"

#include "ui/controls/DockLayout.h"

#include <QMouseEvent>

#include <algorithm>

DockSplitter::DockSplitter(DockLayout* layout, QWidget* resized, QWidget* parent)
    : QWidget(parent), layout_(layout), resized_(resized) {
    setCursor(Qt::SizeVerCursor);
}

void DockSplitter::mousePressEvent(QMouseEvent* event) {
    pressY_ = event->globalPosition().toPoint().y();
    pressSize_ = layout_->DockSize(resized_);
}

void DockSplitter::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const int wanted = pressSize_ - (event->globalPosition().toPoint().y() - pressY_);
    const int largest = std::max(MinSize, parentWidget()->height() - height() - MinSize);
    layout_->SetDockSize(resized_, std::clamp(wanted, MinSize, largest));
}
