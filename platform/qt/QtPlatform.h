#pragma once

#include "platform/DirectViews.h"
#include "platform/GlobalHotkey.h"
#include "platform/NoPointerAim.h"
#include "platform/posix/SocketSingleCopy.h"
#include "platform/qt/ProcessPageFetcher.h"
#include "platform/qt/QtCommonPlatform.h"
#include "platform/qt/QtDesktopWindows.h"
#include "platform/qt/QtLinkOpener.h"
#include "platform/qt/QtSystemColors.h"
#include "platform/qt/QtWebViews.h"
#include "platform/ScreenAccess.h"
#include "platform/ScreenReader.h"

#include <memory>

// The screen's back end, chosen by the loader for the session the program runs in; one object may
// be both.
struct ScreenBackEnd {
    std::shared_ptr<ScreenReader> Reader;
    std::shared_ptr<ScreenAccess> Access;
    // Where the program may move the pointer itself; a pick mode that holds the keyboard moves its own.
    std::shared_ptr<PointerAim> Aim = std::make_shared<NoPointerAim>();
};

// The desktop as Qt reaches it.
class QtPlatform final : public QtCommonPlatform {
public:
    QtPlatform(ScreenBackEnd screen, std::unique_ptr<GlobalHotkey> hotkey,
               std::unique_ptr<DirectViews> direct)
        : QtCommonPlatform(QtFileDialogs::SaveDialog::Desktops), screen_(std::move(screen)),
          hotkey_(std::move(hotkey)), direct_(std::move(direct)) {}

    ScreenReader& Screen() override { return *screen_.Reader; }
    ScreenAccess& Access() override { return *screen_.Access; }
    SystemColors& Colors() override { return colors_; }
    DesktopWindows& Windows() override { return windows_; }
    LinkOpener& Links() override { return links_; }
    PageFetcher& Fetcher() override { return fetcher_; }
    WebViews& Views() override { return views_; }
    ::SingleCopy& SingleCopy() override { return copies_; }
    DirectViews& Direct() override { return *direct_; }
    PointerAim& Aim() override { return *screen_.Aim; }
    GlobalHotkey& Hotkey() override { return *hotkey_; }

private:
    ScreenBackEnd screen_;
    std::unique_ptr<GlobalHotkey> hotkey_;
    QtSystemColors colors_;
    QtDesktopWindows windows_;
    QtLinkOpener links_;
    ProcessPageFetcher fetcher_;
    QtWebViews views_;
    SocketSingleCopy copies_;
    std::unique_ptr<DirectViews> direct_;
};
