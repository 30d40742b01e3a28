#include "../picker/PickingFixture.h"

#include "ui/collections/ColourListView.h"
#include "core/collections/FavouritesList.h"
#include "core/colour/CurrentColour.h"
#include "ui/picker/SpeedButton.h"

#include <QAction>
#include <QApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QScrollBar>

#include "../ListTexts.h"

#include <gtest/gtest.h>

namespace {

class FavouritesListTest : public PickingFixture, public testing::Test {
protected:
    FavouritesListTest() { window.show(); }

    ColourList& Favs() { return window.Favourites->Model(); }

    // Five favourites, row i with value i + 1.
    void FiveRows() {
        for (int i = 5; i >= 1; --i) {
            window.Current->ShowAsCurrentColor(i);
            window.BtnAddColorFav->click();
        }
    }

    void Select(std::initializer_list<int> rows) {
        QItemSelectionModel* selection = window.LbFavColor->selectionModel();
        selection->clearSelection();
        for (int row : rows)
            selection->select(Favs().index(row, 0), QItemSelectionModel::Select);
    }

    void PressDelete(Qt::KeyboardModifiers modifiers) {
        QKeyEvent event(QEvent::KeyPress, Qt::Key_Delete, modifiers);
        QApplication::sendEvent(window.LbFavColor, &event);
    }
};

TEST_F(FavouritesListTest, AddingKeepsEveryColourWithoutLimit) {
    window.Current->ShowAsCurrentColor(255);
    window.BtnAddColorFav->click();
    window.BtnAddColorFav->click();
    EXPECT_EQ(Texts(Favs().Rows()), (QStringList{"#FF0000", "#FF0000"}));
    EXPECT_EQ(Texts(Favs().Values()), (QStringList{"255", "255"}));
    for (int i = 0; i < 148; ++i)
        window.BtnAddColorFav->click();
    EXPECT_EQ(Favs().rowCount(), 150);
}

TEST_F(FavouritesListTest, DeleteRemovesTheSelectedRowsWhateverTheShiftState) {
    for (Qt::KeyboardModifiers modifiers : {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier}) {
        Favs().Clear();
        FiveRows();
        Select({1, 3});
        PressDelete(modifiers);
        EXPECT_EQ(Texts(Favs().Values()), (QStringList{"1", "3", "5"}));
        for (int row = 0; row < 3; ++row)
            EXPECT_EQ(Favs().FillColour(row), 2 * row + 1);
    }
}

TEST_F(FavouritesListTest, DeleteWithNothingSelectedChangesNothing) {
    FiveRows();
    Select({});
    PressDelete(Qt::NoModifier);
    EXPECT_EQ(Favs().rowCount(), 5);
}

TEST_F(FavouritesListTest, BothMenuItemsRemoveOnlyTheSelectionAndTheThirdEmptiesAll) {
    FiveRows();
    Select({0});
    window.N7->trigger();
    EXPECT_EQ(Texts(Favs().Values()), (QStringList{"2", "3", "4", "5"}));
    Select({3});
    window.N2->trigger();
    EXPECT_EQ(Texts(Favs().Values()), (QStringList{"2", "3", "4"}));
    window.N3->trigger();
    EXPECT_EQ(Favs().rowCount(), 0);
    EXPECT_TRUE(Favs().Values().empty());
}

TEST_F(FavouritesListTest, RowsAndValuesOutOfStepStayPairedAsTheyWere) {
    Favs().SetRows(ListEntries::FromTexts({"a", "b", "c", "d", "e"}));
    Favs().SetValues(ListEntries::FromTexts({"10", "20", "30"})); // "d" and "e" have none
    Select({1, 4});
    PressDelete(Qt::NoModifier);
    EXPECT_EQ(Texts(Favs().Rows()), (QStringList{"a", "c", "d"}));
    EXPECT_EQ(Texts(Favs().Values()), (QStringList{"10", "30"}));
    EXPECT_EQ(Favs().FillColour(2), ColorWhite);

    Favs().SetValues(ListEntries::FromTexts({"1", "2", "3", "4", "5", "6", "7"})); // more values than rows
    Select({0, 2});
    PressDelete(Qt::NoModifier);
    EXPECT_EQ(Texts(Favs().Rows()), QStringList{"c"});
    EXPECT_EQ(Texts(Favs().Values()), (QStringList{"2", "4", "5", "6", "7"}));
}

TEST_F(FavouritesListTest, ChoosingAFavouriteStopsPickingSetsTheBarsAndCopies) {
    StartPicking();
    window.Current->ShowAsCurrentColor(PackRgb(18, 52, 86));
    window.BtnAddColorFav->click();
    window.Current->ShowAsCurrentColor(PackRgb(1, 2, 3));
    window.BtnAddColorFav->click();
    window.LbFavColor->setFocus();
    window.LbFavColor->setCurrentIndex(Favs().index(0, 0));
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(window.LbFavColor, &down);
    EXPECT_EQ(window.BtnStartGetColor->Tag, 0);
    EXPECT_EQ(window.Current->Color(), PackRgb(18, 52, 86));
    EXPECT_EQ(window.SbR->value(), 18);
    EXPECT_EQ(window.SbB->value(), 86);
    EXPECT_EQ(platform.ClipboardFake.LastText(), "#123456");
}

TEST_F(FavouritesListTest, AFavouriteWithoutAValueIsWhite) {
    Favs().SetRows(ListEntries::FromTexts({"a", "b"}));
    window.LbFavColor->setFocus();
    window.LbFavColor->setCurrentIndex(Favs().index(0, 0));
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(window.LbFavColor, &down);
    EXPECT_EQ(window.Current->Color(), ColorWhite);
    EXPECT_EQ(platform.ClipboardFake.LastText(), "#FFFFFF");
}

} // namespace
