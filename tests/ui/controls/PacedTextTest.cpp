#include "ui/controls/PacedText.h"

#include <QEventLoop>
#include <QStringList>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

void RunEventsFor(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// A screen reader reads each text handed on: the first at once, then at most one a second, the latest.
TEST(PacedTextTest, HandsOnAtMostOneTextASecondTheLatestWinning) {
    QStringList told;
    PacedText paced([&](const QString& text) { told << text; }, nullptr);
    paced.Set("#204060");
    EXPECT_EQ(told, QStringList{"#204060"});
    paced.Set("#FF8000");
    paced.Set("#00FF00");
    RunEventsFor(800);
    EXPECT_EQ(told, QStringList{"#204060"});
    RunEventsFor(400);
    EXPECT_EQ(told, (QStringList{"#204060", "#00FF00"}));
}

} // namespace
