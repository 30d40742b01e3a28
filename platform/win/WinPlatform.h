#pragma once

#include "platform/FixedScreenAccess.h"
#include "platform/qt/QtCommonPlatform.h"
#include "platform/win/NoDirectViews.h"
#include "platform/win/NoPageFetcher.h"
#include "platform/win/NoWebViews.h"
#include "platform/win/WinDesktopWindows.h"
#include "platform/win/WinGlobalHotkey.h"
#include "platform/win/WinLinkOpener.h"
#include "platform/win/WinPointerAim.h"
#include "platform/win/WinScreenReader.h"
#include "platform/win/WinSingleCopy.h"
#include "platform/win/WinSystemColors.h"

// The Windows desktop: the screen, the system colours, links and the one-copy claim through the
// system's own calls; windows, the clipboard, dialogs and folders through Qt, which uses the same
// calls there; no browser engine. The hotkey is the system's own.
class WinPlatform final : public QtCommonPlatform {
public:
    WinPlatform() : QtCommonPlatform(QtFileDialogs::SaveDialog::Qts) {}

    ScreenReader& Screen() override { return screen_; }
    ScreenAccess& Access() override { return access_; }
    SystemColors& Colors() override { return colors_; }
    DesktopWindows& Windows() override { return windows_; }
    LinkOpener& Links() override { return links_; }
    PageFetcher& Fetcher() override { return fetcher_; }
    WebViews& Views() override { return views_; }
    ::SingleCopy& SingleCopy() override { return copies_; }
    DirectViews& Direct() override { return direct_; }
    PointerAim& Aim() override { return aim_; }
    GlobalHotkey& Hotkey() override { return hotkey_; }

private:
    WinScreenReader screen_;
    FixedScreenAccess access_{PickingWay::Live, QStringLiteral("GDI")};
    WinSystemColors colors_;
    WinDesktopWindows windows_;
    WinLinkOpener links_;
    NoPageFetcher fetcher_;
    NoWebViews views_;
    WinSingleCopy copies_;
    NoDirectViews direct_;
    WinPointerAim aim_;
    WinGlobalHotkey hotkey_;
};
