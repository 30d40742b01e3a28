#pragma once

#include "platform/FakeClipboard.h"
#include "platform/FakeDesktopWindows.h"
#include "platform/FakeFileDialogs.h"
#include "platform/FakeFolders.h"
#include "platform/FakeScreenReader.h"
#include "platform/FakeSystemColours.h"
#include "platform/Platform.h"

// A desktop that tests set up and look into.
class FakePlatform final : public Platform {
public:
    FakeScreenReader ScreenFake;
    FakeSystemColours ColoursFake;
    FakeDesktopWindows WindowsFake;
    FakeClipboard ClipboardFake;
    FakeFileDialogs DialogsFake;
    FakeFolders FoldersFake;

    ScreenReader& Screen() override { return ScreenFake; }
    SystemColours& Colours() override { return ColoursFake; }
    DesktopWindows& Windows() override { return WindowsFake; }
    Clipboard& Clip() override { return ClipboardFake; }
    FileDialogs& Dialogs() override { return DialogsFake; }
    Folders& Places() override { return FoldersFake; }
};
