#pragma once

#include "platform/Platform.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtFileDialogs.h"
#include "platform/qt/QtFolders.h"

// What every real desktop reaches through Qt: the clipboard, the file dialogs and the folders.
class QtCommonPlatform : public Platform {
public:
    ::Clipboard& Clipboard() override { return clipboard_; }
    FileDialogs& Dialogs() override { return dialogs_; }
    ::Folders& Folders() override { return folders_; }

protected:
    explicit QtCommonPlatform(QtFileDialogs::SaveDialog save) : dialogs_(save) {}

private:
    QtClipboard clipboard_;
    QtFileDialogs dialogs_;
    QtFolders folders_;
};
