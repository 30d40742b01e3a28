#include "../picker/PickingFixture.h"

#include "ui/collections/ColourListView.h"
#include "core/colour/CurrentColour.h"
#include "ui/picker/SpeedButton.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include "../ListTexts.h"

#include <gtest/gtest.h>

namespace {

class HistoryListTest : public PickingFixture, public testing::Test {
protected:
    HistoryListTest() { window.show(); }

    ColourList& Model() { return window.History->Model(); }

    // The colour of a row's background and of its text as the list shows them.
    std::pair<QColor, QColor> Shown(int row) {
        ColourListView* list = window.LbColors;
        const QRect r = list->visualRect(Model().index(row, 0));
        const QImage shot = list->viewport()->grab(r).toImage();
        QColor background = shot.pixelColor(shot.width() - 3, r.height() / 2);
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
};

TEST_F(HistoryListTest, RowsAreDrawnInTheirColourWithReadableText) {
    Model().InsertTop("no value", "");
    Model().InsertTop("grey 127", "8355711");
    Model().InsertTop("grey 128", "8421504");
    Model().InsertTop("white", "16777215");
    Model().InsertTop("red", "255");
    Model().SetRows(ListEntries::FromTexts(Texts(Model().Rows()) +
                                           QStringList{"read from a file"})); // a row without a value
    const struct {
        int Row;
        QColor Background;
        QColor Text;
    } cases[] = {
        {0, Qt::red, Qt::white},
        {1, Qt::white, Qt::black},
        {2, QColor(128, 128, 128), Qt::black},
        {3, QColor(127, 127, 127), Qt::white},
        {4, Qt::white, Qt::black}, // a value that is no number
        {5, Qt::white, Qt::black}, // no value at all
    };
    for (const auto& c : cases) {
        const auto [background, text] = Shown(c.Row);
        EXPECT_EQ(background, c.Background) << c.Row;
        EXPECT_EQ(text, c.Text) << c.Row;
    }
    EXPECT_EQ(window.LbColors->visualRect(Model().index(1, 0)).height(), 16);
}

TEST_F(HistoryListTest, ASystemColourValueIsPaintedInTheDesktopsColour) {
    platform.ColoursFake.Colours[15] = PackRgb(200, 210, 220);
    Model().InsertTop("clBtnFace", "-16777201");
    EXPECT_EQ(Shown(0).first, QColor(200, 210, 220));
}

TEST_F(HistoryListTest, RowsKeepTheTextTheyWereGiven) {
    StartPicking();
    window.CbColorValType->setCurrentIndex(1);
    PaintUnderPointer(Qt::red);
    Tick();
    window.CbColorValType->setCurrentIndex(0);
    PaintUnderPointer(Qt::blue);
    Tick();
    EXPECT_EQ(Rows(), (QStringList{"#0000FF", "255,0,0"}));
}

TEST_F(HistoryListTest, DeleteAllColoursFromEitherMenuEmptiesRowsAndValues) {
    for (QAction* item : {window.N4, window.N5}) {
        Model().InsertTop("#FF0000", "255");
        Model().InsertTop("#0000FF", "16711680");
        item->trigger();
        EXPECT_TRUE(Rows().isEmpty());
        EXPECT_TRUE(Values().isEmpty());
    }
}

TEST_F(HistoryListTest, ChoosingARowByKeyboardMakesItCurrent) {
    StartPicking();
    Model().InsertTop("#FF0000", "255");
    Model().InsertTop("#0000FF", "16711680");
    window.LbColors->setFocus();
    window.LbColors->setCurrentIndex(Model().index(0, 0));
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(window.LbColors, &down);
    EXPECT_EQ(window.LbColors->FocusedRow(), 1);
    EXPECT_EQ(window.Current->Color(), 255);
    EXPECT_EQ(window.BtnStartGetColor->Tag, 0);
}

TEST_F(HistoryListTest, ClickingARowWithoutAValueOnlyStopsPicking) {
    StartPicking();
    PaintUnderPointer(Qt::red);
    Tick();
    Model().SetRows(ListEntries::FromTexts({"from a file", "another"}));
    Model().SetValues({});
    window.LbColors->setCurrentIndex(Model().index(1, 0));
    QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    QApplication::sendEvent(window.LbColors, &up);
    EXPECT_EQ(window.BtnStartGetColor->Tag, 0);
    EXPECT_EQ(window.Current->Color(), 255);
}

TEST_F(HistoryListTest, TheFocusedRowIsTheTopRowUntilTheUserChoosesOne) {
    Model().InsertTop("#FF0000", "255");
    Model().InsertTop("#0000FF", "16711680");
    EXPECT_EQ(window.LbColors->FocusedRow(), 0);
    EXPECT_TRUE(window.History->RepeatRuleHolds(16711680));
    EXPECT_FALSE(window.History->RepeatRuleHolds(255));
    Model().Clear();
    EXPECT_EQ(window.LbColors->FocusedRow(), -1);
    EXPECT_FALSE(window.History->RepeatRuleHolds(255));
}

} // namespace
