#pragma once

#include <QList>
#include <QListView>

class ColorList;

// The list box of a colour list: owner-drawn rows of fixed height, several rows selectable. Chosen
// reports each choice of a row by the user, by mouse or by keyboard; a right click only opens the
// menu. The row with the focus frame is the list's focused row.
class ColorListView : public QListView {
    Q_OBJECT
public:
    ColorListView(ColorList& list, QWidget* parent = nullptr);

    QList<int> SelectedRows() const;

signals:
    void Chosen(int row);
    // Every key pressed in the list, before the list handles it.
    void KeyDown(int key, Qt::KeyboardModifiers modifiers);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowFocusedRow();

    ColorList& list_;
};
