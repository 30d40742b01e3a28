#include "ui/picker/ListFileCommands.h"

#include "core/Guard.h"
#include "core/persistence/ColorListFiles.h"
#include "platform/FileDialogs.h"

void ListFileCommands::BtnOpenColorClick() {
    RunGuarded([this] {
        if (const auto chosen = dialogs_.OpenFileName(&dialogParent_, OpenListFilter()))
            OpenHistoryFile(picker_, chosen->Path, ListFileKindOf(chosen->Filter));
    });
}

void ListFileCommands::BtnSaveColorAsClick() {
    RunGuarded([this] {
        if (const auto chosen = dialogs_.SaveFileName(&dialogParent_, SaveListFilter()))
            SaveHistoryFile(picker_, chosen->Path, ListFileKindOf(chosen->Filter));
    });
}
