#pragma once

#include <QWidget>

class DockLayout;

// A bar between two docked controls: dragging it changes the height of the control docked below it.
class DockSplitter : public QWidget {
    Q_OBJECT
public:
    DockSplitter(DockLayout* layout, QWidget* resized, QWidget* parent);

    // Neither side is dragged smaller than this.
    static constexpr int MinSize = 30;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    DockLayout* layout_;
    QWidget* resized_;
    int pressY_ = 0;
    int pressSize_ = 0;
};
