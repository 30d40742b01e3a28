#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace {

using Action = CommandLine::Action;

TEST(CommandLine, EachOptionAsksForItsAction) {
    const struct {
        QStringList Arguments;
        Action What;
        int Format;
        bool PrefixOn;
    } cases[] = {
        {{}, Action::Run, FormatHtml, true},
        {{"--pick"}, Action::Pick, FormatHtml, true},
        {{"--pick", "--no-prefix"}, Action::Pick, FormatHtml, false},
        {{"--pick", "--format", "rgb"}, Action::Pick, FormatRgb, true},
        {{"--pick", "--format", "RGB "}, Action::Pick, FormatRgb, true}, // the format box's own name
        {{"--format=Delphi", "--pick"}, Action::Pick, FormatDelphi, true},
        {{"--pick", "--format", "HSL(Win)"}, Action::Pick, FormatWinHsl, true},
        {{"--pick", "--format", "hsl"}, Action::Pick, FormatWinHsl, true},
        {{"--pick", "--format", "HEX", "--no-prefix"}, Action::Pick, FormatHex, false},
        {{"--pick", "--format", "hsv/hsb"}, Action::Pick, FormatHsv, true},
        {{"--pick", "--format", "hsb"}, Action::Pick, FormatHsv, true},
        {{"--pick", "--format", "HTML"}, Action::Pick, FormatHtml, true},
        {{"--pick", "--format", "css-rgb"}, Action::Pick, FormatCssRgb, true},
        {{"--pick", "--format", "CSS-HSL"}, Action::Pick, FormatCssHsl, true},
        {{"--pick", "--format", "oklch"}, Action::Pick, FormatOklch, true},
        {{"--pick", "--format", "float"}, Action::Pick, FormatFloatRgb, true},
        {{"--help"}, Action::Help, FormatHtml, true},
        {{"-h"}, Action::Help, FormatHtml, true},
        {{"--pick", "--help"}, Action::Help, FormatHtml, true},
        {{"--version"}, Action::Version, FormatHtml, true},
        {{"-v"}, Action::Version, FormatHtml, true},
    };
    for (const auto& c : cases) {
        const CommandLine line = ReadCommandLine(QStringList{"tintra"} + c.Arguments);
        const std::string given = c.Arguments.join(' ').toStdString();
        EXPECT_EQ(line.What, c.What) << given;
        EXPECT_EQ(line.Style.Format, c.Format) << given;
        EXPECT_EQ(line.Style.PrefixOn, c.PrefixOn) << given;
    }
}

TEST(CommandLine, AMistakeIsToldWithWhatWasWrong) {
    const struct {
        QStringList Arguments;
        QString Told;
    } cases[] = {
        {{"--bogus"}, "Unknown option 'bogus'"},
        {{"-x"}, "Unknown option 'x'"},
        {{"--pick", "--format"}, "Missing value after '--format'"},
        {{"--pick", "--format", "cmyk"}, "no format is called 'cmyk'"},
        {{"--no-prefix"}, "go with --pick"},
        {{"--format", "hex"}, "go with --pick"},
        {{"picture.png"}, "unexpected argument 'picture.png'"},
    };
    for (const auto& c : cases) {
        const CommandLine line = ReadCommandLine(QStringList{"tintra"} + c.Arguments);
        const std::string given = c.Arguments.join(' ').toStdString();
        EXPECT_EQ(line.What, Action::Mistake) << given;
        EXPECT_TRUE(line.Text.startsWith("tintra: ")) << given;
        EXPECT_TRUE(line.Text.contains(c.Told)) << given << ": " << line.Text.toStdString();
        EXPECT_TRUE(line.Text.endsWith("Try 'tintra --help'.")) << given;
    }
}

TEST(CommandLine, TheHelpNamesTheProgramAndEveryOptionAndTheVersionIsTheWindows) {
    const QString help = ReadCommandLine({"/usr/bin/tintra", "--help"}).Text;
    EXPECT_TRUE(help.startsWith("Usage: tintra [options]\n")) << help.toStdString();
    for (const char* option : {"--help", "--version", "--pick", "--format <NAME>", "--no-prefix"})
        EXPECT_TRUE(help.contains(option)) << option;
    EXPECT_FALSE(help.contains("--help-all")); // Qt's own options are not read here
    EXPECT_EQ(ReadCommandLine({"tintra", "--version"}).Text, "tintra 1.6\n");
}

} // namespace
