#pragma once

#include <QObject>

class ColourList;
class TFrmScreenColor;

// The colours the user keeps: added from the current colour, chosen like history rows, removed by
// selection, by the Delete key or all at once. Rows and values survive a restart.
class FavouritesList : public QObject {
    Q_OBJECT
public:
    explicit FavouritesList(TFrmScreenColor& window);

    ColourList& Model() { return *model_; }

    void BtnAddColorFavClick();
    void LbFavColorClick();
    void BtnClearColorFavClick();
    void LbFavColorKeyDown(int key, Qt::KeyboardModifiers modifiers);
    void N3Click();

private:
    TFrmScreenColor& window_;
    ColourList* model_;
};
