// Runs on a private X server: the desktop's pixels and palette as the program reads them.
#include "platform/qt/QtScreenReader.h"
#include "platform/qt/QtSystemColors.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

void SetRootColor(const char* color) {
    const std::string command = std::string("xsetroot -solid '") + color + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

TEST(QtScreenReader, ReadsThePixelUnderAPoint) {
    QtScreenReader screen;
    SetRootColor("#123456");
    EXPECT_EQ(screen.ScreenPixelSource(5, 5), PackRgb(0x12, 0x34, 0x56));
    SetRootColor("#FF8000");
    const QSize size = QGuiApplication::primaryScreen()->size();
    EXPECT_EQ(screen.ScreenPixelSource(size.width() - 1, size.height() - 1), 33023); // read afresh
    EXPECT_EQ(screen.ScreenPixelSource(0, 0), 33023);
}

// Run again on servers of 16-bit and 30-bit pixels: colours every format holds exactly read back.
TEST(QtScreenReader, ReadsExactColorsInTheServersPixelFormat) {
    QtScreenReader screen;
    for (const char* color : {"#FF0000", "#00FF00", "#0000FF", "#FFFFFF", "#000000", "#FF00FF"}) {
        SetRootColor(color);
        const auto read = screen.ScreenPixelSource(640, 480);
        ASSERT_TRUE(read.has_value()) << color;
        EXPECT_EQ("#" + ColorToHexText(*read), color);
        const QImage region = screen.GrabRegion(QRect(600, 400, 64, 3));
        EXPECT_EQ(region.pixelColor(63, 2), QColor(color));
    }
    ASSERT_EQ(std::system("xdotool mousemove 321 123"), 0);
    EXPECT_EQ(screen.PointerPosition(), QPoint(321, 123));
}

TEST(QtScreenReader, APointNoScreenShowsGivesAllBitsSet) {
    QtScreenReader screen;
    const QSize size = QGuiApplication::primaryScreen()->size();
    EXPECT_EQ(screen.ScreenPixelSource(-1, 0), -1);
    EXPECT_EQ(screen.ScreenPixelSource(0, -100), -1);
    EXPECT_EQ(screen.ScreenPixelSource(size.width(), 0), -1);
    EXPECT_EQ(screen.ScreenPixelSource(0, size.height() + 500), -1);
}

TEST(QtScreenReader, GrabsARegionAndBlackWhereNoScreenIs) {
    QtScreenReader screen;
    SetRootColor("#C8DCF0");
    const QImage inside = screen.GrabRegion(QRect(100, 200, 184, 88));
    ASSERT_EQ(inside.size(), QSize(184, 88));
    EXPECT_EQ(inside.pixelColor(0, 0), QColor(200, 220, 240));
    EXPECT_EQ(inside.pixelColor(183, 87), QColor(200, 220, 240));

    const QImage edge = screen.GrabRegion(QRect(-10, -5, 20, 10));
    ASSERT_EQ(edge.size(), QSize(20, 10));
    EXPECT_EQ(edge.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(edge.pixelColor(9, 4), QColor(Qt::black));
    EXPECT_EQ(edge.pixelColor(10, 5), QColor(200, 220, 240));
    EXPECT_EQ(screen.Monitors(), (QList<Monitor>{{QRect(0, 0, 1920, 1080), 1}}));
}

TEST(QtScreenReader, PointerPositionIsWhereThePointerWasPut) {
    QtScreenReader screen;
    ASSERT_EQ(std::system("xdotool mousemove 321 123"), 0);
    EXPECT_EQ(screen.PointerPosition(), QPoint(321, 123));
}

TEST(QtSystemColors, IndexesAnswerFromTheDesktopPalette) {
    QtSystemColors system;
    const QPalette palette = QGuiApplication::palette();
    auto packed = [](QColor c) { return PackRgb(c.red(), c.green(), c.blue()); };
    EXPECT_EQ(system.SystemColor(15), packed(palette.color(QPalette::Active, QPalette::Button)));
    EXPECT_EQ(system.SystemColor(13), packed(palette.color(QPalette::Active, QPalette::Highlight)));
    EXPECT_EQ(system.SystemColor(8), packed(palette.color(QPalette::Active, QPalette::Text)));
    EXPECT_EQ(system.SystemColor(24), packed(palette.color(QPalette::Active, QPalette::ToolTipBase)));
    for (int index : {25, 31, 254, 255, -1})
        EXPECT_EQ(system.SystemColor(index), 0) << index;
    // Button face and window text differ on every desktop palette, so the indexes are not mixed up.
    EXPECT_NE(system.SystemColor(15), system.SystemColor(8));
}

} // namespace
