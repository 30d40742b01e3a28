#pragma once

#include <QListView>
#include <QPersistentModelIndex>

// The list box of a colour list: owner-drawn rows of fixed height, several rows selectable. Click
// reports each choice of a row by the user, by mouse or by keyboard; a right click only opens the menu.
class ColourListView : public QListView {
    Q_OBJECT
public:
    explicit ColourListView(QWidget* parent = nullptr);

    // The row the user last chose, or the top row when the user has chosen none since the list was
    // last emptied; -1 for an empty list. Rows added above a chosen row move it down with them.
    int FocusedRow() const;
    // The top row becomes the focused one, as for a list the user has not chosen in.
    void FocusTopRow();

signals:
    void Click();
    // Every key pressed in the list, before the list handles it.
    void KeyDown(int key, Qt::KeyboardModifiers modifiers);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void UserChose();

    QPersistentModelIndex chosen_;
};
