#pragma once

#include "core/color/FakeSystemColors.h"
#include "platform/fake/FakeClipboard.h"
#include "platform/fake/FakeDesktopWindows.h"
#include "platform/fake/FakeDirectViews.h"
#include "platform/fake/FakeFileDialogs.h"
#include "platform/fake/FakeFolders.h"
#include "platform/fake/FakeGlobalHotkey.h"
#include "platform/fake/FakeLinkOpener.h"
#include "platform/fake/FakePageFetcher.h"
#include "platform/fake/FakePointerAim.h"
#include "platform/fake/FakeScreenAccess.h"
#include "platform/fake/FakeScreenReader.h"
#include "platform/fake/FakeSingleCopy.h"
#include "platform/fake/FakeWebViews.h"
#include "platform/Platform.h"

// A desktop that tests set up and look into.
class FakePlatform final : public Platform {
public:
    FakeScreenReader ScreenFake;
    FakeScreenAccess AccessFake;
    FakeSystemColors ColorsFake;
    FakeDesktopWindows WindowsFake;
    FakeClipboard ClipboardFake;
    FakeFileDialogs DialogsFake;
    FakeFolders FoldersFake;
    FakeLinkOpener LinksFake;
    FakePageFetcher FetcherFake;
    FakeWebViews ViewsFake;
    FakeSingleCopy CopiesFake;
    FakeDirectViews DirectFake;
    FakePointerAim AimFake{ScreenFake};
    FakeGlobalHotkey HotkeyFake;
    // A test that talks to a real server puts a real fetcher here, one that shows real pages a real
    // browser.
    PageFetcher* FetcherOverride = nullptr;
    WebViews* ViewsOverride = nullptr;
    // A test on a real desktop puts the desktop's own window handling here.
    DesktopWindows* WindowsOverride = nullptr;

    ScreenReader& Screen() override { return ScreenFake; }
    ScreenAccess& Access() override { return AccessFake; }
    SystemColors& Colors() override { return ColorsFake; }
    DesktopWindows& Windows() override { return WindowsOverride ? *WindowsOverride : WindowsFake; }
    ::Clipboard& Clipboard() override { return ClipboardFake; }
    FileDialogs& Dialogs() override { return DialogsFake; }
    ::Folders& Folders() override { return FoldersFake; }
    LinkOpener& Links() override { return LinksFake; }
    PageFetcher& Fetcher() override { return FetcherOverride ? *FetcherOverride : FetcherFake; }
    WebViews& Views() override { return ViewsOverride ? *ViewsOverride : ViewsFake; }
    ::SingleCopy& SingleCopy() override { return CopiesFake; }
    DirectViews& Direct() override { return DirectFake; }
    PointerAim& Aim() override { return AimFake; }
    GlobalHotkey& Hotkey() override { return HotkeyFake; }
};
