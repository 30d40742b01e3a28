#pragma once

#include "app/Program.h"
#include "platform/fake/FakePlatform.h"
#include "ui/picker/MainWindow.h"

#include "../ListTexts.h"

#include <QAction>
#include <QApplication>
#include <QColor>
#include <QKeyEvent>

#include <gtest/gtest.h>

// The whole program on a fake desktop of 1920 by 1080 whose every pixel has its own colour: red is x,
// green is y and blue holds the high bits of both, so a test can tell which pixel it is looking at.
// Controls are found by their names in the window definition.
class ProgramFixture {
public:
    ProgramFixture() {
        screen.Screen = QImage(1920, 1080, QImage::Format_RGB32);
        for (int y = 0; y < 1080; ++y)
            for (int x = 0; x < 1920; ++x)
                screen.Screen.setPixel(x, y, ScreenPixel(x, y));
        screen.Pointer = {1500, 900};
    }

    static QRgb ScreenPixel(int x, int y) { return qRgb(x & 255, y & 255, ((x >> 8) << 4) | (y >> 8)); }

    // Puts one colour under the pointer's spot.
    void PaintUnderPointer(QColor color) { screen.Screen.setPixelColor(screen.Pointer, color); }

    void Tick() { picker.Picking.TimerGetColorTimer(); }
    // The first tick: picking switches on and the history is emptied.
    void StartPicking() { Tick(); }

    QStringList Rows() const { return Texts(picker.History.Rows()); }

    template <class Control = QWidget>
    Control* Find(const char* name) const {
        auto* control = window.findChild<Control*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    QAction* Action(const char* name) const { return Find<QAction>(name); }

    static void Press(QWidget* control, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(control, &event);
    }

    FakePlatform platform;
    FakeScreenReader& screen = platform.ScreenFake;
    Program program{platform};
    ColorPicker& picker = program.Picker();
    MainWindow& window = program.Window();
};
