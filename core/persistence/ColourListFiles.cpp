#include "core/persistence/ColourListFiles.h"

#include "core/collections/ColourList.h"
#include "core/collections/HistoryList.h"
#include "core/persistence/FileStore.h"
#include "core/persistence/ListFile.h"
#include "ui/picker/TFrmScreenColor.h"
#include "platform/FileDialogs.h"
#include "platform/Platform.h"
#include "core/Guard.h"

#include <QAction>

ColourListFiles::ColourListFiles(TFrmScreenColor& window) : QObject(&window), window_(window) {
    connect(window_.N6, &QAction::triggered, this, &ColourListFiles::BtnOpenColorClick);
    connect(window_.N8, &QAction::triggered, this, &ColourListFiles::BtnSaveColorAsClick);
}

void ColourListFiles::BtnOpenColorClick() {
    RunGuarded([this] {
        const auto name =
            window_.Desktop().Dialogs().OpenFileName(&window_, TFrmScreenColor::ColorListFilter);
        if (!name)
            return;
        // The values stay: row i keeps the colour of value i, where there is one.
        if (auto bytes = ReadFileIfExists(*name))
            window_.History->Model().SetRows(ParseListFile(std::move(*bytes)));
    });
}

void ColourListFiles::BtnSaveColorAsClick() {
    RunGuarded([this] {
        const auto name =
            window_.Desktop().Dialogs().SaveFileName(&window_, TFrmScreenColor::ColorListFilter);
        if (name)
            WriteFileAtomically(*name, FormatListFile(window_.History->Model().Rows()));
    });
}
