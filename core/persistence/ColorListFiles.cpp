#include "core/persistence/ColorListFiles.h"

#include "core/collections/ColorList.h"
#include "core/persistence/CssProperties.h"
#include "core/persistence/FileStore.h"
#include "core/persistence/GimpPalette.h"
#include "core/persistence/ListFile.h"
#include "core/picker/ColorPicker.h"
#include "core/windows/Messages.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// The kinds' names in the user's language, the patterns as they are.
QString ColorsFilter() {
    return QCoreApplication::translate("ColorListFiles", "颜色列表文件") +
           QStringLiteral("(*.colors)|*.colors");
}
QString GimpFilter() {
    return QCoreApplication::translate("ColorListFiles", "GIMP 调色板") + QStringLiteral("(*.gpl)|*.gpl");
}
QString CssFilter() {
    return QCoreApplication::translate("ColorListFiles", "CSS 自定义属性") + QStringLiteral("(*.css)|*.css");
}

// The rows with the colours they are painted in; names in UTF-8, whatever code page a row was read in.
std::vector<PaletteColor> PaletteColors(const ColorList& history) {
    std::vector<PaletteColor> colors;
    const ListEntries& rows = history.Rows();
    colors.reserve(rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i)
        colors.push_back({rows.Text(i).toUtf8(), history.PaintColor(int(i))});
    return colors;
}

void OpenGimpPalette(ColorList& history, const QString& path, const QByteArray& bytes) {
    GimpPalette palette;
    try {
        palette = ParseGimpPalette(bytes);
    } catch (const PaletteError& error) {
        throw FileError(path, QString::fromUtf8(error.what()));
    }
    QByteArray rows, values;
    for (const PaletteColor& color : palette.Colors) {
        // A row holds no line break, not even the lone CR a palette's name may hold.
        rows += QByteArray(color.Name).replace('\r', ' ') + '\n';
        values += QByteArray::number(color.Color) + '\n';
    }
    history.SetRows(ListEntries(std::move(rows)));
    history.SetValues(ListEntries(std::move(values)));
}

} // namespace

QString OpenListFilter() { return ColorsFilter() + '|' + GimpFilter(); }

QString SaveListFilter() { return ColorsFilter() + '|' + GimpFilter() + '|' + CssFilter(); }

ListFileKind ListFileKindOf(int filter) {
    switch (filter) {
    case 1:
        return ListFileKind::GimpPalette;
    case 2:
        return ListFileKind::CssProperties;
    default:
        return ListFileKind::Colors;
    }
}

void OpenColorList(ColorList& history, const QString& path, ListFileKind kind) {
    auto bytes = ReadFileIfExists(path);
    if (!bytes)
        return;
    if (kind == ListFileKind::GimpPalette)
        OpenGimpPalette(history, path, *bytes);
    else
        history.SetRows(ParseListFile(std::move(*bytes)));
}

QString SavedName(const QString& typed, ListFileKind kind) {
    if (kind == ListFileKind::Colors || !QFileInfo(typed).suffix().isEmpty())
        return typed;
    return typed + (kind == ListFileKind::GimpPalette ? QStringLiteral(".gpl") : QStringLiteral(".css"));
}

void SaveColorList(const ColorList& history, const QString& path, ListFileKind kind) {
    FileReplacement file(path);
    switch (kind) {
    case ListFileKind::GimpPalette:
        file.Write(FormatGimpPalette({QFileInfo(path).completeBaseName().toUtf8(), PaletteColors(history)}));
        break;
    case ListFileKind::CssProperties:
        file.Write(FormatCssProperties(PaletteColors(history)));
        break;
    case ListFileKind::Colors:
        WriteListFile(history.Rows(), [&file](const QByteArray& piece) { file.Write(piece); });
        break;
    }
    file.Finish();
    file.Commit();
}

void OpenHistoryFile(ColorPicker& picker, const QString& path, ListFileKind kind) {
    try {
        OpenColorList(picker.History, path, kind);
        picker.SetHint({});
    } catch (const FileError& error) {
        picker.SetHint(error.Told(MsgCannotOpenList));
    }
}

void SaveHistoryFile(ColorPicker& picker, const QString& typed, ListFileKind kind) {
    try {
        SaveColorList(picker.History, SavedName(typed, kind), kind);
        picker.SetHint({});
    } catch (const FileError& error) {
        picker.SetHint(error.Told(MsgCannotSave));
    }
}
