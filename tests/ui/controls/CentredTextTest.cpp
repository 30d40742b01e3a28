#include "ui/controls/CentredText.h"

#include "platform/fake/FakeDirectViews.h"
#include "ui/controls/WindowFonts.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QRawFont>
#include <QRegion>

#include <gtest/gtest.h>

namespace {

// Keeps the region of each paint of the control.
class PaintWatch : public QObject {
public:
    QRegion Painted;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            Painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

// The region repainted when a shown control's text changes.
QRegion PaintedForNewText(CentredText& text) {
    text.resize(400, 60);
    text.SetText(QStringLiteral("当前位置x=0,y=0"));
    text.show();
    QCoreApplication::processEvents();
    PaintWatch watch;
    text.installEventFilter(&watch);
    text.SetText(QStringLiteral("当前位置x=1500,y=500"));
    QCoreApplication::processEvents();
    return watch.Painted;
}

// The pointer's position changes the line forty times a second: only the line's own box is drawn again,
// not the whole control.
TEST(CentredTextTest, ANewTextRedrawsOnlyTheLinesBox) {
    CentredText text;
    const QRect painted = PaintedForNewText(text).boundingRect();
    EXPECT_EQ(painted.top(), 0);
    EXPECT_EQ(painted.width(), 400);
    EXPECT_GT(painted.height(), 0);
    EXPECT_LT(painted.height(), 30); // one line, not the control's 60 rows
}

// Where the desktop allows it, a new text goes to the screen without a repaint: the whole control, pixel
// for pixel as a repaint draws it.
TEST(CentredTextTest, ANewTextGoesDirectlyAsARepaintDrawsIt) {
    FakeDirectViews views;
    views.Offered = true;
    CentredText text;
    text.DrawDirectly(views);
    EXPECT_TRUE(PaintedForNewText(text).isEmpty());
    ASSERT_EQ(views.Puts.size(), 1u);
    EXPECT_EQ(views.Puts[0], text.grab().toImage().convertToFormat(QImage::Format_RGB32));
}

// The pointer's position mostly changes a few letters in place: only theirs go to the screen again, and
// the screen then shows what a whole repaint draws. A letter more moves them all.
TEST(CentredTextTest, LettersChangedInPlaceAloneGoDirectlyAndShowAsARepaintDrawsThem) {
    const struct {
        const char* Before;
        const char* After;
        bool Whole;
    } changes[] = {{"当前位置x=1234,y=567", "当前位置x=1235,y=568", false},
                   {"当前位置x=1234,y=567", "当前位置x=1234,y=5678", true}};
    QFont font = SongTi(12);
    font.setStyleStrategy(QFont::PreferNoShaping); // as the hint line sets it
    const QList<quint32> digits = QRawFont::fromFont(font).glyphIndexesForString(QStringLiteral("45"));
    if (digits.size() != 2 || digits[0] == digits[1])
        GTEST_SKIP()
            << "no font here draws one digit unlike another (Qt's offscreen platform under Wine has none)";
    for (const auto& change : changes) {
        SCOPED_TRACE(change.After);
        FakeDirectViews views;
        views.Offered = true;
        CentredText text;
        text.setFont(font);
        text.DrawDirectly(views);
        text.resize(400, 20);
        text.show();
        QCoreApplication::processEvents();
        text.SetText(QString::fromUtf8(change.Before));
        text.SetText(QString::fromUtf8(change.After));
        ASSERT_EQ(views.Changed.size(), 2u);
        EXPECT_EQ(views.Changed[1] == QRegion(text.rect()), change.Whole);
        EXPECT_FALSE(views.Changed[1].isEmpty());
        EXPECT_EQ(views.Screen, text.grab().toImage().convertToFormat(QImage::Format_RGB32));
    }
}

} // namespace
