#include "core/persistence/ColourListFiles.h"

#include "core/collections/ColourList.h"
#include "core/persistence/CssProperties.h"
#include "core/persistence/FileStore.h"
#include "core/persistence/GimpPalette.h"
#include "core/persistence/ListFile.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// The kinds' names in the user's language, the patterns as they are.
QString ColoursFilter() {
    return QCoreApplication::translate("ColourListFiles", "颜色列表文件") +
           QStringLiteral("(*.colors)|*.colors");
}
QString GimpFilter() {
    return QCoreApplication::translate("ColourListFiles", "GIMP 调色板") + QStringLiteral("(*.gpl)|*.gpl");
}
QString CssFilter() {
    return QCoreApplication::translate("ColourListFiles", "CSS 自定义属性") + QStringLiteral("(*.css)|*.css");
}

// The rows with the colours they are painted in; names in UTF-8, whatever code page a row was read in.
std::vector<PaletteColour> PaletteColours(const ColourList& history) {
    std::vector<PaletteColour> colours;
    const ListEntries& rows = history.Rows();
    colours.reserve(rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i)
        colours.push_back({rows.Text(i).toUtf8(), history.PaintColour(int(i))});
    return colours;
}

void OpenGimpPalette(ColourList& history, const QString& path, const QByteArray& bytes) {
    GimpPalette palette;
    try {
        palette = ParseGimpPalette(bytes);
    } catch (const PaletteError& error) {
        throw FileError(path, QString::fromUtf8(error.what()));
    }
    QByteArray rows, values;
    for (const PaletteColour& colour : palette.Colours) {
        // A row holds no line break, not even the lone CR a palette's name may hold.
        rows += QByteArray(colour.Name).replace('\r', ' ') + '\n';
        values += QByteArray::number(colour.Colour) + '\n';
    }
    history.SetRows(ListEntries(std::move(rows)));
    history.SetValues(ListEntries(std::move(values)));
}

} // namespace

QString OpenListFilter() { return ColoursFilter() + '|' + GimpFilter(); }

QString SaveListFilter() { return ColoursFilter() + '|' + GimpFilter() + '|' + CssFilter(); }

ListFileKind ListFileKindOf(int filter) {
    switch (filter) {
    case 1:
        return ListFileKind::GimpPalette;
    case 2:
        return ListFileKind::CssProperties;
    default:
        return ListFileKind::Colours;
    }
}

void OpenColourList(ColourList& history, const QString& path, ListFileKind kind) {
    auto bytes = ReadFileIfExists(path);
    if (!bytes)
        return;
    if (kind == ListFileKind::GimpPalette)
        OpenGimpPalette(history, path, *bytes);
    else
        history.SetRows(ParseListFile(std::move(*bytes)));
}

QString SavedName(const QString& typed, ListFileKind kind) {
    if (kind == ListFileKind::Colours || !QFileInfo(typed).suffix().isEmpty())
        return typed;
    return typed + (kind == ListFileKind::GimpPalette ? QStringLiteral(".gpl") : QStringLiteral(".css"));
}

void SaveColourList(const ColourList& history, const QString& path, ListFileKind kind) {
    FileReplacement file(path);
    switch (kind) {
    case ListFileKind::GimpPalette:
        file.Write(FormatGimpPalette({QFileInfo(path).completeBaseName().toUtf8(), PaletteColours(history)}));
        break;
    case ListFileKind::CssProperties:
        file.Write(FormatCssProperties(PaletteColours(history)));
        break;
    case ListFileKind::Colours:
        WriteListFile(history.Rows(), [&file](const QByteArray& piece) { file.Write(piece); });
        break;
    }
    file.Finish();
    file.Commit();
}
