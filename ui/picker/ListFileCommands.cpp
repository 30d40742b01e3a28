#include "ui/picker/ListFileCommands.h"

#include "core/Guard.h"
#include "core/persistence/ColorListFiles.h"
#include "core/persistence/FileStore.h"
#include "core/picker/ColorPicker.h"
#include "core/windows/Messages.h"
#include "platform/FileDialogs.h"

void ListFileCommands::BtnOpenColorClick() {
    RunGuarded([this] {
        const auto chosen = dialogs_.OpenFileName(&dialogParent_, OpenListFilter());
        if (!chosen)
            return;
        // What an earlier failure said goes once a step succeeds.
        try {
            OpenColorList(picker_.History, chosen->Path, ListFileKindOf(chosen->Filter));
            picker_.SetHint({});
        } catch (const FileError& error) {
            picker_.SetHint(error.Told(MsgCannotOpenList));
        }
    });
}

void ListFileCommands::BtnSaveColorAsClick() {
    RunGuarded([this] {
        const auto chosen = dialogs_.SaveFileName(&dialogParent_, SaveListFilter());
        if (!chosen)
            return;
        try {
            const ListFileKind kind = ListFileKindOf(chosen->Filter);
            SaveColorList(picker_.History, SavedName(chosen->Path, kind), kind);
            picker_.SetHint({});
        } catch (const FileError& error) {
            picker_.SetHint(error.Told(MsgCannotSave));
        }
    });
}
