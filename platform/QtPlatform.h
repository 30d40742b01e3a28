#pragma once

#include "platform/Platform.h"
#include "platform/QtClipboard.h"
#include "platform/QtDesktopWindows.h"
#include "platform/QtFileDialogs.h"
#include "platform/QtFolders.h"
#include "platform/QtLinkOpener.h"
#include "platform/QtPageFetcher.h"
#include "platform/QtScreenReader.h"
#include "platform/QtSystemColours.h"
#include "platform/QtWebViews.h"
#include "platform/SocketSingleCopy.h"

// The desktop as Qt reaches it.
class QtPlatform final : public Platform {
public:
    ScreenReader& Screen() override { return screen_; }
    SystemColours& Colours() override { return colours_; }
    DesktopWindows& Windows() override { return windows_; }
    Clipboard& Clip() override { return clipboard_; }
    FileDialogs& Dialogs() override { return dialogs_; }
    Folders& Places() override { return folders_; }
    LinkOpener& Links() override { return links_; }
    PageFetcher& Fetcher() override { return fetcher_; }
    WebViews& Views() override { return views_; }
    SingleCopy& Copies() override { return copies_; }

private:
    QtScreenReader screen_;
    QtSystemColours colours_;
    QtDesktopWindows windows_;
    QtClipboard clipboard_;
    QtFileDialogs dialogs_;
    QtFolders folders_;
    QtLinkOpener links_;
    QtPageFetcher fetcher_;
    QtWebViews views_;
    SocketSingleCopy copies_;
};
