#include "ui/controls/CentredText.h"

#include "platform/DirectViews.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QRegion>

#include <gtest/gtest.h>

#include <vector>

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

// The pointer's position changes the line forty times a second: only the line's own box is drawn again,
// not the whole control.
TEST(CentredTextTest, ANewTextRedrawsOnlyTheLinesBox) {
    CentredText text;
    text.resize(400, 60);
    text.SetText(QStringLiteral("当前位置x=0,y=0"));
    text.show();
    QCoreApplication::processEvents();
    PaintWatch watch;
    text.installEventFilter(&watch);
    text.SetText(QStringLiteral("当前位置x=1500,y=500"));
    QCoreApplication::processEvents();
    const QRect painted = watch.Painted.boundingRect();
    EXPECT_EQ(painted.top(), 0);
    EXPECT_EQ(painted.width(), 400);
    EXPECT_GT(painted.height(), 0);
    EXPECT_LT(painted.height(), 30); // one line, not the control's 60 rows
}

// Direct views that keep every picture put.
class KeptPuts final : public DirectViews {
public:
    std::vector<QImage> Pictures;

    std::unique_ptr<DirectView> Create(QWidget*) override {
        class Kept final : public DirectView {
        public:
            explicit Kept(std::vector<QImage>& pictures) : pictures_(pictures) {}
            bool Put(const QImage& picture) override {
                pictures_.push_back(picture.copy());
                return true;
            }
            QImage Canvas(QSize) override { return {}; }

        private:
            std::vector<QImage>& pictures_;
        };
        return std::make_unique<Kept>(Pictures);
    }
};

// Where the desktop allows it, a new text goes to the screen without a repaint: the whole control, pixel
// for pixel as a repaint draws it.
TEST(CentredTextTest, ANewTextGoesDirectlyAsARepaintDrawsIt) {
    KeptPuts views;
    CentredText text;
    text.resize(400, 60);
    text.DrawDirectly(views);
    text.show();
    QCoreApplication::processEvents();
    PaintWatch watch;
    text.installEventFilter(&watch);
    text.SetText(QStringLiteral("当前位置x=1500,y=500"));
    QCoreApplication::processEvents();
    EXPECT_TRUE(watch.Painted.isEmpty());
    ASSERT_EQ(views.Pictures.size(), 1u);
    EXPECT_EQ(views.Pictures[0], text.grab().toImage().convertToFormat(QImage::Format_RGB32));
}

} // namespace
