// Runs under Wine on a private X server: the Windows back end against a real desktop.
#include "platform/win/WinPlatform.h"
#include "app/Program.h"
#include "platform/fake/FakePlatform.h"
#include "platform/qt/QtFolders.h"
#include "platform/win/WinDesktopWindows.h"
#include "platform/win/WinGlobalHotkey.h"
#include "platform/win/WinPointerAim.h"
#include "platform/win/WinScreenReader.h"
#include "platform/win/WinSingleCopy.h"
#include "platform/win/WinSystemColors.h"
#include "ui/picker/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <windows.h>

namespace {

// A borderless window filled with one colour, on top of everything, at a place of the screen.
class Patch {
public:
    Patch(QColor color, QRect place) {
        window_.setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
        window_.setAutoFillBackground(true);
        QPalette palette = window_.palette();
        palette.setColor(QPalette::Window, color);
        window_.setPalette(palette);
        window_.setGeometry(place);
        window_.show();
    }

    // Where the system put it, in device pixels.
    QRect Device() const {
        RECT area{};
        GetWindowRect(reinterpret_cast<HWND>(window_.winId()), &area);
        return QRect(QPoint(area.left, area.top), QPoint(area.right - 1, area.bottom - 1));
    }

private:
    QWidget window_;
};

// Lets the desktop draw until the screen shows the colour at the point, or 5 s have passed.
std::optional<ColorValue> ReadOnceDrawn(WinScreenReader& screen, QPoint at, ColorValue expected) {
    QElapsedTimer waited;
    waited.start();
    std::optional<ColorValue> read;
    do {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        read = screen.ScreenPixelSource(at.x(), at.y());
    } while (read != expected && waited.elapsed() < 5000);
    return read;
}

QRect ScreenArea() { return QRect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)); }

TEST(WinScreenReader, ReadsEachColorWithRedInTheLowByte) {
    WinScreenReader screen;
    struct Case {
        QColor Shown;
        ColorValue Read;
    };
    const Case cases[] = {
        {QColor(0xFF, 0, 0), 0x0000FF},       {QColor(0, 0xFF, 0), 0x00FF00},
        {QColor(0, 0, 0xFF), 0xFF0000},       {QColor(0x12, 0x34, 0x56), 0x563412},
        {QColor(0xFF, 0xFF, 0xFF), 0xFFFFFF}, {QColor(0, 0, 0), 0},
    };
    for (const Case& c : cases) {
        const Patch patch(c.Shown, QRect(200, 150, 120, 80));
        const QPoint centre = patch.Device().center();
        EXPECT_EQ(ReadOnceDrawn(screen, centre, c.Read), c.Read) << c.Shown.name().toStdString();

        // The region round the patch's corner: the patch's colour inside it, what lies under it outside.
        const QRect device = patch.Device();
        const QImage region = screen.GrabRegion(QRect(device.bottomRight() - QPoint(9, 9), QSize(20, 20)));
        ASSERT_EQ(region.size(), QSize(20, 20));
        EXPECT_EQ(region.pixelColor(0, 0), c.Shown) << c.Shown.name().toStdString();
        EXPECT_EQ(region.pixelColor(9, 9), c.Shown) << c.Shown.name().toStdString();
    }
}

TEST(WinScreenReader, WhatNoMonitorShowsIsAllBitsSetOrBlack) {
    WinScreenReader screen;
    const QRect area = ScreenArea();
    for (const QPoint outside :
         {QPoint(-1, 0), QPoint(0, -100), QPoint(area.width(), 0), QPoint(0, area.height() + 500)})
        EXPECT_EQ(screen.ScreenPixelSource(outside.x(), outside.y()), -1)
            << outside.x() << "," << outside.y();

    const Patch patch(QColor(0xC8, 0xDC, 0xF0), QRect(0, 0, 60, 40));
    ASSERT_EQ(ReadOnceDrawn(screen, {5, 5}, 0xF0DCC8), 0xF0DCC8);
    const QImage edge = screen.GrabRegion(QRect(-10, -5, 20, 10));
    ASSERT_EQ(edge.size(), QSize(20, 10));
    EXPECT_EQ(edge.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(edge.pixelColor(9, 4), QColor(Qt::black));
    EXPECT_EQ(edge.pixelColor(10, 5), QColor(0xC8, 0xDC, 0xF0));
    EXPECT_EQ(edge.pixelColor(19, 9), QColor(0xC8, 0xDC, 0xF0));
}

TEST(WinScreenReader, TheMonitorsAndThePointerInDevicePixels) {
    WinScreenReader screen;
    EXPECT_EQ(screen.Monitors(), (QList<Monitor>{{ScreenArea(), 1}}));
    for (const QPoint at : {QPoint(321, 123), QPoint(0, 0), QPoint(1919, 1079)}) {
        ASSERT_TRUE(SetCursorPos(at.x(), at.y()));
        EXPECT_EQ(screen.PointerPosition(), at);
    }
}

TEST(WinPointerAim, MovesTheCursorByDevicePixels) {
    WinPointerAim aim;
    ASSERT_TRUE(SetCursorPos(300, 200));
    const struct {
        QPoint Move, Then;
    } steps[] = {{{1, 0}, {301, 200}}, {{0, 10}, {301, 210}}, {{-10, -1}, {291, 209}}};
    for (const auto& step : steps) {
        EXPECT_TRUE(aim.MoveBy(step.Move.x(), step.Move.y()));
        POINT at{};
        GetCursorPos(&at);
        EXPECT_EQ(QPoint(at.x, at.y), step.Then);
    }
}

// The window definition's size is the window's outer one, as the system measures windows.
TEST(WinMainWindow, ItsOuterRectangleIs498By600At20And10) {
    WinDesktopWindows windows;
    FakePlatform platform;
    platform.WindowsOverride = &windows;
    Program program{platform};
    program.Window().show();
    QApplication::processEvents();
    RECT outer{};
    GetWindowRect(reinterpret_cast<HWND>(program.Window().winId()), &outer);
    EXPECT_EQ(QRect(QPoint(outer.left, outer.top), QPoint(outer.right - 1, outer.bottom - 1)),
              QRect(20, 10, 498, 600));
}

// A name typed without an extension is saved as typed: Windows' own dialog would add the filter's.
TEST(WinFileDialogs, AListIsSavedUnderTheNameAsTyped) {
    WinPlatform platform;
    QTemporaryDir folder;
    bool typed = false;
    QElapsedTimer waited;
    waited.start();
    QTimer typist;
    QObject::connect(&typist, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            typist.stop();
            typed = true;
            dialog->setDirectory(folder.path());
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("mylist"));
            static_cast<QDialog*>(dialog)->accept(); // as the Save button does
        } else if (waited.elapsed() > 5000) {
            // A dialog of the system's, which the test does not type into: closed, it chooses nothing.
            if (HWND box = FindWindowW(L"#32770", nullptr))
                PostMessageW(box, WM_CLOSE, 0, 0);
        }
    });
    typist.start(100);
    const std::optional<ChosenFile> chosen =
        platform.Dialogs().SaveFileName(nullptr, QStringLiteral("颜色列表文件(*.colors)|*.colors"));
    EXPECT_TRUE(typed);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(QFileInfo(chosen->Path).fileName(), "mylist");
}

TEST(WinSystemColors, EachIndexIsTheSystemsOwnColor) {
    WinSystemColors colors;
    const int indexes[] = {COLOR_WINDOW, COLOR_BTNFACE, COLOR_HIGHLIGHT, COLOR_MENUBAR};
    const COLORREF chosen[] = {RGB(0x01, 0x02, 0x03), RGB(0xF0, 0x80, 0x10), RGB(0x00, 0x00, 0xFE),
                               RGB(0xFE, 0x00, 0x00)};
    COLORREF former[std::size(indexes)];
    for (std::size_t i = 0; i < std::size(indexes); ++i)
        former[i] = GetSysColor(indexes[i]);
    ASSERT_TRUE(SetSysColors(int(std::size(indexes)), indexes, chosen));
    for (std::size_t i = 0; i < std::size(indexes); ++i)
        EXPECT_EQ(colors.SystemColor(indexes[i]), ColorValue(chosen[i])) << indexes[i];
    SetSysColors(int(std::size(indexes)), indexes, former);

    for (const int none : {-1, 25, 31, 1000})
        EXPECT_EQ(colors.SystemColor(none), 0) << none;
}

TEST(WinSingleCopy, OneCopyAFolderAndALaterOneAsksItToShow) {
    QTemporaryDir one, other;
    WinSingleCopy first;
    int shown = 0;
    first.ShowRequested = [&] { ++shown; };
    ASSERT_TRUE(first.Claim(one.path()));

    struct Case {
        QString Folder;
        bool Claimed;
    };
    const Case cases[] = {
        {one.path(), false},
        {one.path().toUpper(), false}, // Windows names ignore case
        {QDir::toNativeSeparators(one.path()), false},
        {other.path(), true},
    };
    int asked = 0;
    for (const Case& c : cases) {
        WinSingleCopy later;
        EXPECT_EQ(later.Claim(c.Folder), c.Claimed) << c.Folder.toStdString();
        asked += c.Claimed ? 0 : 1;
    }
    QElapsedTimer waited;
    waited.start();
    while (shown < 1 && waited.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    // Requests that come together may arrive as one.
    EXPECT_GE(shown, 1);
    EXPECT_LE(shown, asked);
}

TEST(WinSingleCopy, AFolderIsFreeOnceItsCopyEnds) {
    QTemporaryDir folder;
    {
        WinSingleCopy first;
        ASSERT_TRUE(first.Claim(folder.path()));
    }
    WinSingleCopy next;
    EXPECT_TRUE(next.Claim(folder.path()));
}

TEST(QtFolders, TheProgramFolderHoldsTheRunningProgram) {
    wchar_t path[MAX_PATH] = {};
    ASSERT_GT(GetModuleFileNameW(nullptr, path, MAX_PATH), 0u);
    const QString program = QDir::fromNativeSeparators(QString::fromWCharArray(path));
    const QString folder = QtFolders().ProgramFolder();
    EXPECT_TRUE(folder.endsWith('/'));
    EXPECT_EQ(folder + program.section('/', -1), program);
}

// The system's hotkey: the combination pressed reaches the program as WM_HOTKEY through the event
// filter; a second registration of the same combination is told as taken, and free once the first
// lets go.
TEST(WinGlobalHotkey, APressIsTakenAndACombinationHeldElsewhereIsSaid) {
    WinGlobalHotkey first, second;
    int presses = 0;
    QStringList refused;
    QObject::connect(&first, &GlobalHotkey::Pressed, [&] { ++presses; });
    QObject::connect(&first, &GlobalHotkey::Refused, [&](const QString& why) { refused << why; });
    QObject::connect(&second, &GlobalHotkey::Refused, [&](const QString& why) { refused << why; });
    first.Bind(QStringLiteral("Ctrl+Alt+Shift+C"));
    EXPECT_EQ(refused, QStringList());

    INPUT keys[8]{};
    const WORD codes[] = {VK_CONTROL, VK_MENU, VK_SHIFT, 'C'};
    for (int i = 0; i < 4; ++i) {
        keys[i].type = keys[7 - i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = keys[7 - i].ki.wVk = codes[i];
        keys[7 - i].ki.dwFlags = KEYEVENTF_KEYUP;
    }
    ASSERT_EQ(SendInput(8, keys, sizeof(INPUT)), 8u);
    QElapsedTimer waited;
    waited.start();
    while (presses == 0 && !waited.hasExpired(5000))
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(presses, 1);

    second.Bind(QStringLiteral("Ctrl+Alt+Shift+C"));
    EXPECT_EQ(refused, QStringList{"全局热键 Ctrl+Alt+Shift+C 已被其他程序占用"});
    first.Release();
    second.Bind(QStringLiteral("Ctrl+Alt+Shift+C"));
    EXPECT_EQ(refused.size(), 1);
}

} // namespace
