#include "core/persistence/GimpPalette.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QList>

#include <cstdio>
#include <string>

namespace {

constexpr QByteArrayView Header = "GIMP Palette";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

QByteArrayView TrimmedEnd(QByteArrayView line) {
    while (!line.isEmpty() && (IsBlank(line.back()) || line.back() == '\r'))
        line.chop(1);
    return line;
}

QString Translated(const char* text) { return QCoreApplication::translate("GimpPalette", text); }

[[noreturn]] void Refuse(qsizetype lineNumber, const char* what) {
    throw PaletteError(QCoreApplication::translate("GimpPalette", "第%1行：%2")
                           .arg(QString::number(lineNumber), Translated(what))
                           .toStdString());
}

// Reads one channel at `at`, after any blanks; moves `at` past its digits.
int Channel(QByteArrayView line, qsizetype& at, qsizetype lineNumber) {
    while (at < line.size() && IsBlank(line[at]))
        ++at;
    const qsizetype start = at;
    int value = 0;
    while (at < line.size() && line[at] >= '0' && line[at] <= '9' && at - start < 4)
        value = value * 10 + (line[at++] - '0');
    if (at == start || (at < line.size() && !IsBlank(line[at])) || value > 255)
        Refuse(lineNumber, QT_TRANSLATE_NOOP("GimpPalette", "颜色应是三个0到255的数，后接名称"));
    return value;
}

PaletteColor ColorLine(QByteArrayView line, qsizetype lineNumber) {
    qsizetype at = 0;
    const int red = Channel(line, at, lineNumber);
    const int green = Channel(line, at, lineNumber);
    const int blue = Channel(line, at, lineNumber);
    // The GIMP writes one tab before the name, so what follows it is the name, leading blanks included;
    // blanks alone line names up in files made by hand.
    if (at < line.size() && line[at] == '\t')
        ++at;
    else
        while (at < line.size() && IsBlank(line[at]))
            ++at;
    QByteArrayView name = line.sliced(at);
    if (name.endsWith('\r'))
        name.chop(1);
    return {name.toByteArray(), PackRgb(red, green, blue)};
}

QByteArray OneLine(QByteArray text) { return text.replace('\r', ' ').replace('\n', ' '); }

} // namespace

GimpPalette ParseGimpPalette(const QByteArray& bytes) {
    QByteArrayView content(bytes);
    if (content.startsWith("\xEF\xBB\xBF"))
        content = content.sliced(3);
    if (content.contains('\0'))
        throw PaletteError(
            Translated(QT_TRANSLATE_NOOP("GimpPalette", "含有NUL字节，不是文本文件")).toStdString());
    QList<QByteArrayView> lines;
    for (qsizetype start = 0; start <= content.size();) {
        qsizetype end = content.indexOf('\n', start);
        if (end < 0)
            end = content.size();
        lines.append(content.sliced(start, end - start));
        start = end + 1;
    }
    if (TrimmedEnd(lines.front()) != Header)
        throw PaletteError(
            Translated(QT_TRANSLATE_NOOP("GimpPalette", "不是GIMP调色板：第一行不是“GIMP Palette”"))
                .toStdString());

    GimpPalette palette;
    bool inHeader = true;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArrayView line = lines[i];
        const QByteArrayView trimmed = TrimmedEnd(line).trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith('#'))
            continue;
        if (inHeader && trimmed.startsWith("Name:")) {
            palette.Name = trimmed.sliced(5).trimmed().toByteArray();
        } else if (inHeader && trimmed.startsWith("Columns:")) {
            continue; // how the GIMP lays the colours out in its own window
        } else {
            inHeader = false;
            palette.Colors.push_back(ColorLine(line, i + 1));
        }
    }
    return palette;
}

QByteArray FormatGimpPalette(const GimpPalette& palette) {
    QByteArray bytes = "GIMP Palette\nName: " + OneLine(palette.Name) + "\nColumns: 0\n#\n";
    for (const PaletteColor& color : palette.Colors) {
        char numbers[16];
        std::snprintf(numbers, sizeof numbers, "%3d %3d %3d\t", RedOf(color.Color), GreenOf(color.Color),
                      BlueOf(color.Color));
        bytes += numbers;
        bytes += OneLine(color.Name) + '\n';
    }
    return bytes;
}
