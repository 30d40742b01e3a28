#include "app/PickCommand.h"

#include "platform/fake/FakePlatform.h"

#include <QTimer>

#include <gtest/gtest.h>

namespace {

class PickCommandTest : public testing::Test {
protected:
    PickCommandTest() {
        platform.ScreenFake.Screen = QImage(64, 32, QImage::Format_RGB32);
        platform.ScreenFake.Screen.fill(QColor(255, 0, 0));
        platform.ScreenFake.Screen.setPixelColor(10, 20, QColor(18, 52, 86));
        platform.ScreenFake.Pointer = {10, 20};
    }

    int Pick(ColorTextStyle style = {}) {
        return RunPickCommand(
            platform, style, [this](const QString& text) { printed << text; },
            [this](const QString& text) { told << text; });
    }

    FakePlatform platform;
    QStringList printed, told;
};

TEST_F(PickCommandTest, ALiveScreenIsReadOnceUnderThePointerInEveryFormat) {
    const struct {
        int Format;
        bool PrefixOn;
        QString Text;
    } cases[] = {
        {FormatHtml, true, "#123456"},           {FormatHtml, false, "123456"},
        {FormatRgb, true, "18,52,86"},           {FormatDelphi, true, "$00563412"},
        {FormatDelphi, false, "00563412"},       {FormatWinHsl, true, "148,167,52"},
        {FormatHex, true, "0x123456"},           {FormatHex, false, "123456"},
        {FormatHsv, true, "210.00,79.07,33.73"},
    };
    for (const auto& c : cases) {
        printed.clear();
        platform.ScreenFake.PixelReads = 0;
        EXPECT_EQ(Pick({c.Format, c.PrefixOn}), 0);
        EXPECT_EQ(printed, QStringList{c.Text}) << c.Format << " " << c.PrefixOn;
        EXPECT_EQ(platform.ScreenFake.PixelReads, 1);
    }
    EXPECT_TRUE(told.isEmpty());
    EXPECT_EQ(platform.AccessFake.Starts, 0);
}

TEST_F(PickCommandTest, NoColorIsWrittenThatWasNotRead) {
    platform.ScreenFake.Unreadable = true;
    EXPECT_EQ(Pick(), 1);
    platform.ScreenFake.Unreadable = false;
    platform.ScreenFake.Pointer = {500, 500}; // on no monitor
    EXPECT_EQ(Pick(), 1);
    platform.AccessFake.KindFake = PickingWay::None;
    platform.AccessFake.ReasonFake = "no screen here";
    EXPECT_EQ(Pick(), 1);
    EXPECT_EQ(platform.ScreenFake.PixelReads, 2);
    EXPECT_TRUE(printed.isEmpty()) << printed.join(' ').toStdString();
    EXPECT_EQ(told, (QStringList{"the pixel under the pointer could not be read",
                                 "the pixel under the pointer could not be read",
                                 "the screen cannot be read on this desktop: no screen here"}));
}

TEST_F(PickCommandTest, APickModeOrTheDesktopsToolIsStartedAndItsAnswerWaitedFor) {
    ScreenAccess& access = platform.AccessFake;
    const struct {
        PickingWay Kind;
        std::function<void()> Answer;
        int Status;
        QStringList Printed, Told;
    } cases[] = {
        {PickingWay::PickMode, [&] { emit access.Picked(PackRgb(0, 128, 255)); }, 0, {"#0080FF"}, {}},
        {PickingWay::OneShot, [&] { emit access.Picked(PackRgb(1, 2, 3)); }, 0, {"#010203"}, {}},
        {PickingWay::PickMode, [&] { emit access.Ended(); }, 1, {}, {"picking ended without a colour"}},
        {PickingWay::OneShot,
         [&] {
             emit access.Explain("the desktop asks first");
             emit access.Refused("the user said no");
         },
         1,
         {},
         {"the desktop asks first", "the user said no"}},
    };
    for (const auto& c : cases) {
        printed.clear();
        told.clear();
        platform.AccessFake.KindFake = c.Kind;
        const int starts = platform.AccessFake.Starts, stops = platform.AccessFake.Stops;
        QTimer::singleShot(0, c.Answer);
        EXPECT_EQ(Pick(), c.Status);
        EXPECT_EQ(printed, c.Printed);
        EXPECT_EQ(told, c.Told);
        EXPECT_EQ(platform.AccessFake.Starts, starts + 1);
        EXPECT_EQ(platform.AccessFake.Stops, stops + 1);
    }
    EXPECT_EQ(platform.ScreenFake.PixelReads, 0);
}

} // namespace
