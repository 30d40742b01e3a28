#include "../picker/PickingFixture.h"

#include "core/collections/ClipboardOutput.h"
#include "core/collections/ColourAdjuster.h"
#include "ui/collections/ColourListView.h"
#include "core/collections/FavouritesList.h"
#include "core/colour/CurrentColour.h"
#include "ui/picker/ImageControl.h"
#include "ui/picker/SpeedButton.h"
#include "platform/qt/QtClipboard.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QRegularExpression>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

class ClipboardOutputTest : public PickingFixture, public testing::Test {
protected:
    ClipboardOutputTest() {
        window.show();
        StartPicking();
    }

    std::vector<std::variant<QString, QImage>>& Writes() { return platform.ClipboardFake.Writes; }

    // The colour text the hint line names, between its parentheses.
    QString NamedInHint() {
        const auto match = QRegularExpression(R"(\((.*)\))").match(window.LblHnit->text());
        return match.hasMatch() ? match.captured(1) : QString();
    }

    static bool Uniform(const QImage& image, QColor colour) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) != colour)
                    return false;
        return true;
    }
};

TEST_F(ClipboardOutputTest, TextModeCopiesTheTextTheHintNames) {
    for (int format : {1, 2, 3, 4, 5, 0}) {
        window.CbColorValType->setCurrentIndex(format); // each change copies at once
        SCOPED_TRACE(format);
        ASSERT_FALSE(Writes().empty());
        EXPECT_EQ(platform.ClipboardFake.LastText(), NamedInHint());
        EXPECT_TRUE(window.LblHnit->text().startsWith("颜色值("));
        EXPECT_TRUE(window.LblHnit->text().endsWith("可选择粘贴颜色数值"));
    }
    window.CbColorValType->setCurrentIndex(5);
    window.Current->ShowAsCurrentColor(PackRgb(64, 62, 62));
    window.BtnCopyColor->click();
    EXPECT_EQ(platform.ClipboardFake.LastText(), "0.00,3.13,25.10");
    EXPECT_EQ(NamedInHint(), "0.00,3.13,25.10");
}

TEST_F(ClipboardOutputTest, PictureModeCopiesA51By25PictureOfTheColour) {
    window.Current->ShowAsCurrentColor(PackRgb(200, 220, 240));
    window.LbPasteType->setCurrentRow(ClipboardOutput::PasteSample);
    // No sample has been painted yet: the copy fails without a word.
    EXPECT_TRUE(Writes().empty());
    EXPECT_EQ(window.LblHnit->text(), "");

    window.BtnCopyColor->click();
    ASSERT_EQ(Writes().size(), 1u);
    const QImage picture = platform.ClipboardFake.LastImage();
    EXPECT_EQ(picture.size(), QSize(51, 25));
    EXPECT_TRUE(Uniform(picture, QColor(200, 220, 240)));
    EXPECT_TRUE(window.LblHnit->text().startsWith("颜色样图(#C8DCF0)"));

    window.CbColorValType->setCurrentIndex(1); // the same picture again, named in the new format
    ASSERT_EQ(Writes().size(), 2u);
    EXPECT_TRUE(Uniform(platform.ClipboardFake.LastImage(), QColor(200, 220, 240)));
    EXPECT_EQ(NamedInHint(), "200,220,240");
}

TEST_F(ClipboardOutputTest, ChoosingAListRowInPictureModeCopiesThatRowsPicture) {
    PaintUnderPointer(Qt::red);
    Tick(); // the sample shows red
    window.History->Model().InsertTop("#0000FF", "16711680");
    window.Favourites->Model().InsertTop("#FFFFFF", "16777215");
    window.Favourites->Model().InsertTop("#00FF00", "65280");
    window.LbPasteType->setCurrentRow(ClipboardOutput::PasteSample);
    for (auto [list, colour] : {std::pair{static_cast<QAbstractItemView*>(window.LbColors), QColor(Qt::blue)},
                                {window.LbFavColor, QColor(Qt::green)}}) {
        list->setFocus();
        list->setCurrentIndex(list->model()->index(1, 0));
        QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
        QApplication::sendEvent(list, &up);
        EXPECT_TRUE(Uniform(platform.ClipboardFake.LastImage(), colour)) << colour.name().toStdString();
    }
}

TEST_F(ClipboardOutputTest, NoPasteTypeCopiesNothing) {
    window.LbPasteType->setCurrentRow(-1);
    window.LblHnit->setText("as it was");
    window.BtnStartGetColor->click(); // picking off: the bars can follow
    window.Current->ShowAsCurrentColor(PackRgb(18, 52, 86));
    window.BtnCopyColor->click();
    EXPECT_TRUE(Writes().empty());
    EXPECT_EQ(window.LblHnit->text(), "as it was");
    EXPECT_EQ(window.ImgCopy->Picture().pixelColor(0, 0), QColor(18, 52, 86));
    EXPECT_EQ(window.SbB->value(), 86);
}

TEST_F(ClipboardOutputTest, ArrowKeysInThePasteTypeListCopyOncePerChange) {
    window.BtnCopyColor->click(); // paints the sample, copies as text
    Writes().clear();
    window.LbPasteType->setFocus();
    auto press = [&](int key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(window.LbPasteType, &event);
    };
    press(Qt::Key_Down);
    ASSERT_EQ(Writes().size(), 1u);
    EXPECT_TRUE(std::holds_alternative<QImage>(Writes().back()));
    press(Qt::Key_Down); // already on the last line
    EXPECT_EQ(Writes().size(), 1u);
    press(Qt::Key_Up);
    ASSERT_EQ(Writes().size(), 2u);
    EXPECT_TRUE(std::holds_alternative<QString>(Writes().back()));
}

TEST_F(ClipboardOutputTest, AClipboardThatRefusesLeavesTheHintAlone) {
    platform.ClipboardFake.Refuse = true;
    window.LblHnit->setText("as it was");
    window.BtnCopyColor->click();
    EXPECT_EQ(window.LblHnit->text(), "as it was");
    EXPECT_EQ(window.ImgCopy->Picture().size(), QSize(51, 25)); // the steps before the copy stay done
}

TEST(QtClipboard, HoldsOnlyWhatWasLastPutThere) {
    QtClipboard clipboard;
    clipboard.SetText("#C8DCF0");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "#C8DCF0");
    QImage sample(51, 25, QImage::Format_RGB32);
    sample.fill(QColor(18, 52, 86));
    clipboard.SetImage(sample);
    const QMimeData* held = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(held->hasImage());
    EXPECT_FALSE(held->hasText());
    const QImage back = qvariant_cast<QImage>(held->imageData());
    EXPECT_EQ(back.size(), QSize(51, 25));
    EXPECT_EQ(back.pixelColor(50, 24), QColor(18, 52, 86));
    EXPECT_THROW(clipboard.SetImage(QImage()), std::exception);
}

} // namespace
