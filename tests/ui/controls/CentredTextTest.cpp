#include "ui/controls/CentredText.h"

#include "platform/fake/FakeDirectViews.h"

#include <QCoreApplication>
#include <QPaintEvent>
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

} // namespace
