#pragma once

class ScreenReader;
class ScreenAccess;
class SystemColors;
class Clipboard;
class DesktopWindows;
class FileDialogs;
class Folders;
class LinkOpener;
class PageFetcher;
class WebViews;
class SingleCopy;
class DirectViews;
class PointerAim;
class GlobalHotkey;

// Everything the program asks of the desktop, handed to the windows when they are made.
class Platform {
public:
    virtual ~Platform() = default;
    virtual ScreenReader& Screen() = 0;
    virtual ScreenAccess& Access() = 0;
    virtual SystemColors& Colors() = 0;
    virtual DesktopWindows& Windows() = 0;
    virtual ::Clipboard& Clipboard() = 0;
    virtual FileDialogs& Dialogs() = 0;
    virtual ::Folders& Folders() = 0;
    virtual LinkOpener& Links() = 0;
    virtual PageFetcher& Fetcher() = 0;
    virtual WebViews& Views() = 0;
    virtual ::SingleCopy& SingleCopy() = 0;
    virtual DirectViews& Direct() = 0;
    virtual PointerAim& Aim() = 0;
    virtual GlobalHotkey& Hotkey() = 0;
};
