#include "core/persistence/ColourListFiles.h"

#include "core/collections/ColourList.h"
#include "core/persistence/FileStore.h"
#include "core/persistence/ListFile.h"

void OpenColourList(ColourList& history, const QString& path) {
    if (auto bytes = ReadFileIfExists(path))
        history.SetRows(ParseListFile(std::move(*bytes)));
}

void SaveColourList(const ColourList& history, const QString& path) {
    FileReplacement file(path);
    WriteListFile(history.Rows(), [&](const QByteArray& piece) { file.Write(piece); });
    file.Finish();
    file.Commit();
}
