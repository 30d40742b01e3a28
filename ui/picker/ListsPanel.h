#pragma once

#include <QWidget>

class ColorListView;
class ColorPicker;
class ImageControl;
class QMenu;

// The lists above the tool panel: the history and the favourites, each under its header picture and
// with its right-click menu, and below them the current colour's value row.
class ListsPanel : public QWidget {
    Q_OBJECT
public:
    ListsPanel(ColorPicker& picker, QWidget* parent);

    // The header pictures and the value row's picture.
    void LoadSkin();
    void RemoveSelectedFavourites();

private:
    QWidget* CreateValueRow();
    void CreateMenus();
    void Connect();

    ColorPicker& picker_;
    ImageControl* historyHeader_;
    ImageControl* favouritesHeader_;
    ImageControl* valueRowPicture_;
    ColorListView* historyView_;
    ColorListView* favouritesView_;
    QMenu* historyMenu_;
    QMenu* favouritesMenu_;
};
