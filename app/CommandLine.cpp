#include "app/CommandLine.h"

#include "core/windows/ProgramVersion.h"

#include <QCommandLineParser>
#include <QCoreApplication>

CommandLine ReadCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Tintra: a screen colour picker. With no options it opens its window."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("CommandLine", "Show this help and end."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QCoreApplication::translate("CommandLine", "Show the version and end."));
    const QCommandLineOption pick(
        QStringLiteral("pick"),
        QCoreApplication::translate("CommandLine",
                                    "Write the colour under the pointer and end, without the window. "
                                    "Where the desktop shows a pick mode or a picking tool, the "
                                    "colour is the one clicked."));
    const QCommandLineOption format(
        QStringLiteral("format"),
        QCoreApplication::translate("CommandLine", "The colour's text with --pick: html (the default), rgb, "
                                                   "delphi, hsl, hex, hsv, or for style sheets and shaders "
                                                   "css-rgb, css-hsl, oklch or float."),
        QStringLiteral("NAME"));
    const QCommandLineOption noPrefix(
        QStringLiteral("no-prefix"),
        QCoreApplication::translate(
            "CommandLine", "With --pick, leave out the prefix of the html, delphi and hex texts (# $ 0x)."));
    parser.addOptions({help, version, pick, format, noPrefix});

    CommandLine line;
    const auto mistake = [&line](const QString& what) {
        line.What = CommandLine::Action::Mistake;
        line.Text = QCoreApplication::translate("CommandLine", "tintra: %1\nTry 'tintra --help'.").arg(what);
        return line;
    };
    if (!parser.parse(arguments))
        return mistake(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return mistake(QCoreApplication::translate("CommandLine", "unexpected argument '%1'.")
                           .arg(parser.positionalArguments().front()));
    if (parser.isSet(help)) {
        line.What = CommandLine::Action::Help;
        // Before the application exists the parser does not know the program's name.
        line.Text = parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("tintra"));
        return line;
    }
    if (parser.isSet(version)) {
        line.What = CommandLine::Action::Version;
        line.Text = QStringLiteral("tintra %1\n").arg(QString::fromStdString(ProgramVersionText()));
        return line;
    }
    if (!parser.isSet(pick)) {
        if (parser.isSet(format) || parser.isSet(noPrefix))
            return mistake(
                QCoreApplication::translate("CommandLine", "--format and --no-prefix go with --pick."));
        return line;
    }
    line.What = CommandLine::Action::Pick;
    if (parser.isSet(format)) {
        const auto chosen = ColorFormatNamed(parser.value(format).toStdString());
        if (!chosen)
            return mistake(QCoreApplication::translate("CommandLine", "no format is called '%1'.")
                               .arg(parser.value(format)));
        line.Style.Format = *chosen;
    }
    line.Style.PrefixOn = !parser.isSet(noPrefix);
    return line;
}
