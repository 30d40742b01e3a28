#include "../ProgramFixture.h"

#include "ui/collections/ColorListView.h"
#include "ui/controls/ImageControl.h"

#include <QItemSelectionModel>
#include <QListWidget>

namespace {

class ColorListViewsTest : public ProgramFixture, public testing::Test {
protected:
    ColorListViewsTest() { window.show(); }

    ColorListView* History() const { return Find<ColorListView>("LbColors"); }
    ColorListView* Favourites() const { return Find<ColorListView>("LbFavColor"); }

    // The colour of a row's background and of its text as the list shows them.
    std::pair<QColor, QColor> Shown(ColorListView* list, int row) {
        const QRect r = list->visualRect(list->model()->index(row, 0));
        const QImage shot = list->viewport()->grab(r).toImage();
        const QColor background = shot.pixelColor(shot.width() - 3, r.height() / 2);
        // The text is whichever colour differs most from the background.
        QColor text = background;
        int best = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width() / 2; ++x) {
                const QColor c = shot.pixelColor(x, y);
                const int d = std::abs(c.red() - background.red()) +
                              std::abs(c.green() - background.green()) +
                              std::abs(c.blue() - background.blue());
                if (d > best) {
                    best = d;
                    text = c;
                }
            }
        // The thin strokes of a Song face may cover no pixel whole, so the pen's colour, black or white,
        // is the one the strongest text pixel is nearer to.
        return {background, qGray(text.rgb()) < 128 ? QColor(Qt::black) : QColor(Qt::white)};
    }

    // Moves the list's current row by a key, as a user choosing a row does.
    void ChooseByKey(ColorListView* list, int from, int key) {
        list->setFocus();
        list->setCurrentIndex(list->model()->index(from, 0));
        Press(list, key);
    }

    void SelectFavourites(std::initializer_list<int> rows) {
        QItemSelectionModel* selection = Favourites()->selectionModel();
        selection->clearSelection();
        for (int row : rows)
            selection->select(picker.Favourites.index(row, 0), QItemSelectionModel::Select);
    }
};

TEST_F(ColorListViewsTest, RowsAreDrawnInTheirColorWithReadableText) {
    platform.ColorsFake.Colors[15] = PackRgb(200, 210, 220);
    for (auto [text, value] : {std::pair{"no value", ""},
                               {"clBtnFace", "-16777201"},
                               {"grey 127", "8355711"},
                               {"grey 128", "8421504"},
                               {"white", "16777215"},
                               {"red", "255"}})
        picker.History.InsertTop(text, value);
    picker.History.SetRows(
        ListEntries::FromTexts(Texts(picker.History.Rows()) + QStringList{"read from a file"}));
    const struct {
        int Row;
        QColor Background;
        QColor Text;
    } cases[] = {
        {0, Qt::red, Qt::white},
        {1, Qt::white, Qt::black},
        {2, QColor(128, 128, 128), Qt::black},
        {3, QColor(127, 127, 127), Qt::white},
        {4, QColor(200, 210, 220), Qt::white}, // a system colour: painted as the desktop has it
        {5, Qt::white, Qt::black},             // a value that is no number
        {6, Qt::white, Qt::black},             // no value at all
    };
    for (const auto& c : cases) {
        const auto [background, text] = Shown(History(), c.Row);
        EXPECT_EQ(background, c.Background) << c.Row;
        EXPECT_EQ(text, c.Text) << c.Row;
    }
    EXPECT_EQ(History()->visualRect(picker.History.index(1, 0)).height(), 16);
}

TEST_F(ColorListViewsTest, ChoosingARowByKeyboardStopsPickingAndMakesItCurrent) {
    StartPicking();
    picker.History.InsertTop("#FF0000", "255");
    picker.History.InsertTop("#0000FF", "16711680");
    ChooseByKey(History(), 0, Qt::Key_Down);
    EXPECT_EQ(picker.History.FocusedRow(), 1);
    EXPECT_EQ(picker.Current.Color(), 255);
    EXPECT_FALSE(picker.Picking.PickingOn());
    EXPECT_EQ(platform.ClipboardFake.LastText(), "#FF0000");

    // A row picking adds takes the focus frame.
    picker.Picking.BtnStartGetColorClick();
    PaintUnderPointer(Qt::green);
    Tick();
    EXPECT_EQ(History()->currentIndex().row(), 0);
}

TEST_F(ColorListViewsTest, DeleteAndTheMenusRemoveFavourites) {
    for (Qt::KeyboardModifiers modifiers : {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier}) {
        picker.ClearFavourites();
        for (int i = 5; i >= 1; --i)
            picker.Favourites.InsertTop(QString::number(i), QString::number(i));
        SelectFavourites({1, 3});
        Press(Favourites(), Qt::Key_Delete, modifiers);
        EXPECT_EQ(Texts(picker.Favourites.Values()), (QStringList{"1", "3", "5"}));
    }
    SelectFavourites({});
    Press(Favourites(), Qt::Key_Delete);
    EXPECT_EQ(picker.Favourites.rowCount(), 3);
    SelectFavourites({0});
    Action("N7")->trigger();
    SelectFavourites({1});
    Action("N2")->trigger();
    EXPECT_EQ(Texts(picker.Favourites.Values()), QStringList{"3"});
    Action("N3")->trigger();
    EXPECT_EQ(picker.Favourites.rowCount(), 0);

    for (const char* item : {"N4", "N5"}) {
        picker.History.InsertTop("#FF0000", "255");
        Action(item)->trigger();
        EXPECT_EQ(picker.History.rowCount(), 0) << item;
    }
}

TEST_F(ColorListViewsTest, InPictureModeAChosenRowsPictureIsSampledAndCopied) {
    platform.ColorsFake.Colors[15] = PackRgb(200, 210, 220);
    StartPicking();
    PaintUnderPointer(Qt::red);
    Tick();
    picker.Favourites.InsertTop("clBtnFace", "-16777201");
    picker.Favourites.InsertTop("#FFFFFF", "16777215");
    picker.Favourites.InsertTop("#00FF00", "65280");
    Find<QListWidget>("LbPasteType")->setCurrentRow(1);
    ChooseByKey(Favourites(), 1, Qt::Key_Up);
    const QImage copied = platform.ClipboardFake.LastImage();
    EXPECT_EQ(copied.size(), QSize(51, 25));
    EXPECT_EQ(copied.pixelColor(50, 24), QColor(Qt::green));
    EXPECT_EQ(Find<ImageControl>("ImgCopy")->Picture(), copied);
    // A system colour is copied as the desktop paints it, as its row is drawn.
    ChooseByKey(Favourites(), 1, Qt::Key_Down);
    EXPECT_EQ(platform.ClipboardFake.LastImage().pixelColor(0, 0), QColor(200, 210, 220));
}

TEST_F(ColorListViewsTest, ArrowKeysInThePasteTypeListCopyOncePerChange) {
    picker.Current.ShowAsCurrentColor(255);
    picker.BtnCopyColorClick(); // paints the sample, copies as text
    platform.ClipboardFake.Writes.clear();
    auto* pasteTypes = Find<QListWidget>("LbPasteType");
    pasteTypes->setFocus();
    Press(pasteTypes, Qt::Key_Down);
    ASSERT_EQ(platform.ClipboardFake.Writes.size(), 1u);
    EXPECT_TRUE(std::holds_alternative<QImage>(platform.ClipboardFake.Writes.back()));
    Press(pasteTypes, Qt::Key_Down); // already on the last line
    EXPECT_EQ(platform.ClipboardFake.Writes.size(), 1u);
    Press(pasteTypes, Qt::Key_Up);
    ASSERT_EQ(platform.ClipboardFake.Writes.size(), 2u);
    EXPECT_TRUE(std::holds_alternative<QString>(platform.ClipboardFake.Writes.back()));
}

} // namespace
