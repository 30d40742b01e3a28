#include "core/persistence/GimpPalette.h"

#include "core/persistence/CssProperties.h"

#include <gtest/gtest.h>

namespace {

std::vector<PaletteColor> Colors(std::initializer_list<PaletteColor> colors) { return colors; }

TEST(GimpPalette, ReadsWhatTheGimpAndHandsWrite) {
    const struct {
        const char* Case;
        QByteArray Bytes;
        QByteArray Name;
        std::vector<PaletteColor> Colors;
    } cases[] = {
        {"as the GIMP writes it",
         "GIMP Palette\nName: Web colours\nColumns: 16\n#\n  0   0   0\tBlack\n255 255 255\tWhite\n"
         " 18  52  86\ttab\tin\tname \n",
         "Web colours",
         Colors({{"Black", PackRgb(0, 0, 0)},
                 {"White", PackRgb(255, 255, 255)},
                 {"tab\tin\tname ", PackRgb(18, 52, 86)}})},
        {"CR LF, a byte-order mark, comments and blank lines between colours",
         "\xEF\xBB\xBFGIMP Palette\r\nName: x\r\n\r\n# a comment\r\n1 2 3\tone\r\n  # another\r\n\r\n4 5 "
         "6\ttwo\r\n",
         "x", Colors({{"one", PackRgb(1, 2, 3)}, {"two", PackRgb(4, 5, 6)}})},
        {"blanks line names up; after a tab a name keeps its own",
         "GIMP Palette\n10 20 30     padded\n10\t20\t30\t  kept\n", "",
         Colors({{"padded", PackRgb(10, 20, 30)}, {"  kept", PackRgb(10, 20, 30)}})},
        {"no name, no final line break", "GIMP Palette\nColumns: 4\n255 128 0", "",
         Colors({{"", PackRgb(255, 128, 0)}})},
        {"Chinese names in UTF-8", "GIMP Palette\n0 0 255\t蓝色\n", "",
         Colors({{"蓝色", PackRgb(0, 0, 255)}})},
        {"only the header", "GIMP Palette\n", "", {}},
    };
    for (const auto& c : cases) {
        const GimpPalette palette = ParseGimpPalette(c.Bytes);
        EXPECT_EQ(palette.Name, c.Name) << c.Case;
        EXPECT_EQ(palette.Colors, c.Colors) << c.Case;
    }
}

TEST(GimpPalette, RefusesWhatIsNotAWholePalette) {
    const struct {
        QByteArray Bytes;
        const char* Told;
    } cases[] = {
        {"", "不是GIMP调色板"},
        {"255 0 0\tred\n", "不是GIMP调色板"},
        {"GIMP palette\n", "不是GIMP调色板"},
        {"JASC-PAL\n0100\n", "不是GIMP调色板"},
        {"GIMP Palette\n0 0\n", "第2行："},
        {"GIMP Palette\n0 0 0\tok\n256 0 0\tred\n", "第3行："},
        {"GIMP Palette\n-1 0 0\n", "第2行："},
        {"GIMP Palette\n0 0 0x10\n", "第2行："},
        {"GIMP Palette\n00000 0 0\n", "第2行："},
        {"GIMP Palette\n# fine\nred green blue\n", "第3行："},
        {"GIMP Palette\n1 2 3\nName: too late\n", "第3行："},
        {QByteArray("GIMP Palette\n1 2 3\tna\0me\n", 25), "NUL字节"},
    };
    for (const auto& c : cases) {
        try {
            ParseGimpPalette(c.Bytes);
            ADD_FAILURE() << "taken: " << c.Bytes.toStdString();
        } catch (const PaletteError& error) {
            EXPECT_NE(std::string(error.what()).find(c.Told), std::string::npos)
                << c.Bytes.toStdString() << " told: " << error.what();
        }
    }
}

TEST(GimpPalette, WritesTheGimpsLayoutAndReadsItBack) {
    const GimpPalette palette{"my\ncolours", Colors({{"#FF0000", PackRgb(255, 0, 0)},
                                                     {"  a\tb", PackRgb(1, 22, 133)},
                                                     {"", PackRgb(255, 255, 255)},
                                                     {"two\r\nlines", PackRgb(0, 0, 0)}})};
    const QByteArray bytes = FormatGimpPalette(palette);
    EXPECT_EQ(bytes,
              "GIMP Palette\nName: my colours\nColumns: 0\n#\n255   0   0\t#FF0000\n  1  22 133\t  a\tb\n"
              "255 255 255\t\n  0   0   0\ttwo  lines\n");
    const GimpPalette back = ParseGimpPalette(bytes);
    EXPECT_EQ(back.Name, "my colours");
    ASSERT_EQ(back.Colors.size(), palette.Colors.size());
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(back.Colors[i], palette.Colors[i]) << i;
}

TEST(CssProperties, OnePropertyAColorWithItsNameInAComment) {
    EXPECT_EQ(FormatCssProperties({}), "@charset \"UTF-8\";\n:root {\n}\n");
    EXPECT_EQ(FormatCssProperties(Colors({{"#FF0000", PackRgb(255, 0, 0)},
                                          {"", PackRgb(1, 2, 3)},
                                          {"a */ b\nc", PackRgb(0, 128, 255)},
                                          {"天蓝", PackRgb(135, 206, 235)}})),
              "@charset \"UTF-8\";\n:root {\n"
              "  --colour-1: #FF0000; /* #FF0000 */\n"
              "  --colour-2: #010203;\n"
              "  --colour-3: #0080FF; /* a * / b c */\n"
              "  --colour-4: #87CEEB; /* 天蓝 */\n"
              "}\n");
}

} // namespace
