#pragma once

#include <QLayout>
#include <QList>

// Places children the way the window definitions do: each item docks to the top, bottom, left or right
// of the space the items before it left, taking its size across that edge; client items fill what
// remains. Hidden widgets take no space.
class DockLayout : public QLayout {
public:
    enum Dock { Top, Bottom, Left, Right, Client };

    explicit DockLayout(QWidget* parent);
    ~DockLayout() override;

    // size is the height of a top or bottom item and the width of a left or right one.
    void addWidget(QWidget* widget, Dock dock, int size = 0);
    void SetDockSize(QWidget* widget, int size);
    int DockSize(QWidget* widget) const;

    void addItem(QLayoutItem* item) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override { return static_cast<int>(items_.size()); }
    QSize sizeHint() const override;
    QSize minimumSize() const override { return {0, 0}; }
    void setGeometry(const QRect& rect) override;

private:
    struct Entry {
        QLayoutItem* Item;
        Dock Where;
        int Size;
    };
    QList<Entry> items_;
};
