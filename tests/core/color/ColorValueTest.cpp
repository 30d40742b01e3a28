#include "core/color/ColorValue.h"
#include "core/color/FakeSystemColors.h"

#include <gtest/gtest.h>

namespace {

struct Rgb {
    int R, G, B;
};

TEST(ColorValue, PackRgbKeepsOnlyTheLowByteOfEachChannel) {
    const struct {
        Rgb In;
        ColorValue Packed;
    } cases[] = {
        {{18, 52, 86}, 5649426},     {{261, 0, 0}, 5},           {{255, 0, 0}, 255}, {{0, 0, 255}, 16711680},
        {{255, 255, 255}, 16777215}, {{-1, 256, 511}, 16711935},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PackRgb(c.In.R, c.In.G, c.In.B), c.Packed) << c.In.R << "," << c.In.G << "," << c.In.B;
}

TEST(ColorValue, ChannelsComeFromTheLowThreeBytes) {
    EXPECT_EQ(RedOf(5649426), 18);
    EXPECT_EQ(GreenOf(5649426), 52);
    EXPECT_EQ(BlueOf(5649426), 86);
    EXPECT_EQ(RedOf(-1), 255);
    EXPECT_EQ(GreenOf(-1), 255);
    EXPECT_EQ(BlueOf(-1), 255);
    EXPECT_EQ(BlueOf(0x7F0A0B0C), 0x0A);
}

TEST(ColorValue, HexTextIsRedGreenBlueInUpperCase) {
    const struct {
        ColorValue Value;
        const char* Text;
    } cases[] = {
        {5649426, "123456"}, {255, "FF0000"},        {16711680, "0000FF"}, {0, "000000"},
        {-1, "FFFFFF"},      {0x1F0A0B0C, "0C0B0A"}, {0xEFCDAB, "ABCDEF"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ColorToHexText(c.Value), c.Text) << c.Value;
}

TEST(ColorValue, DarkWhenAnyChannelIsBelow128) {
    const struct {
        Rgb In;
        bool Dark;
    } cases[] = {
        {{128, 128, 128}, false}, {{200, 220, 240}, false}, {{255, 255, 255}, false}, {{127, 255, 255}, true},
        {{255, 255, 0}, true},    {{255, 127, 255}, true},  {{0, 0, 0}, true},
    };
    for (const auto& c : cases) {
        const ColorValue value = PackRgb(c.In.R, c.In.G, c.In.B);
        EXPECT_EQ(IsDarkColor(value), c.Dark) << c.In.R << "," << c.In.G << "," << c.In.B;
        EXPECT_EQ(ReadableTextColor(value), c.Dark ? ColorWhite : ColorBlack);
    }
}

TEST(ColorValue, Hsv) {
    const struct {
        Rgb In;
        double Hue, Saturation, Value;
    } cases[] = {
        {{255, 128, 0}, 30.117647058823529, 100, 100},
        {{0, 0, 255}, 240, 100, 100},
        {{255, 0, 128}, 360 - 30.117647058823529, 100, 100},
        {{200, 220, 240}, 210, 16.666666666666668, 94.117647058823533},
        {{255, 255, 0}, 60, 100, 100}, // two equal largest channels take the red branch
        {{0, 255, 255}, 180, 100, 100},
        {{64, 62, 62}, 0, 3.125, 25.098039215686274},
        {{128, 128, 128}, 300, 0, 50.196078431372548}, // grey: hue -1 sixth becomes 300 degrees
        {{0, 0, 0}, 300, 0, 0},
    };
    for (const auto& c : cases) {
        const HsvColor hsv = ColorToHsv(PackRgb(c.In.R, c.In.G, c.In.B));
        SCOPED_TRACE(testing::Message() << c.In.R << "," << c.In.G << "," << c.In.B);
        EXPECT_NEAR(hsv.Hue, c.Hue, 1e-9);
        EXPECT_NEAR(hsv.Saturation, c.Saturation, 1e-9);
        EXPECT_NEAR(hsv.Value, c.Value, 1e-9);
    }
    EXPECT_EQ(ColorToHsv(PackRgb(64, 62, 62)).Saturation, 3.125); // exactly, so that "%f" rounds it up
}

TEST(ColorValue, HslAndItsWindowsScale) {
    const struct {
        Rgb In;
        WinHsl Expected;
    } cases[] = {
        {{255, 128, 0}, {21, 255, 128}}, // lightness exactly 0.5: 127.5 rounds to 128
        {{0, 0, 255}, {169, 255, 128}},
        {{255, 0, 128}, {233, 255, 128}}, // the negative hue fraction is
                                          // brought into 0..1
        {{255, 255, 255}, {0, 0, 255}},
        {{128, 128, 128}, {0, 0, 128}},
        {{200, 220, 240}, {148, 146, 220}},
        {{253, 0, 0}, {0, 255, 126}}, // 126.5 goes to the even 126
        {{251, 0, 0}, {0, 255, 126}}, // 125.5 goes to the even 126
        {{0, 0, 0}, {0, 0, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ColorToWinHsl(PackRgb(c.In.R, c.In.G, c.In.B)), c.Expected)
            << c.In.R << "," << c.In.G << "," << c.In.B;

    const HslColor hsl = ColorToHsl(PackRgb(255, 128, 0));
    EXPECT_DOUBLE_EQ(hsl.Lightness, 0.5);
    EXPECT_DOUBLE_EQ(hsl.Saturation, 1.0); // lightness 0.5 takes the second saturation form
}

TEST(ColorValue, ResolveSystemColorReplacesOnlyNegativeValues) {
    FakeSystemColors system;
    system.Colors[15] = PackRgb(1, 2, 3);
    EXPECT_EQ(ResolveSystemColor(16777215, system), 16777215);
    EXPECT_EQ(ResolveSystemColor(0, system), 0);
    EXPECT_EQ(ResolveSystemColor(0x1FFFFFFF, system), 0x1FFFFFFF);
    EXPECT_EQ(ResolveSystemColor(-16777201, system), PackRgb(1, 2, 3)); // FF00000F: index 15
    EXPECT_EQ(ResolveSystemColor(-2, system), 0);                       // index 254 has no colour
}

} // namespace
