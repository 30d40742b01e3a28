// What Qt's own event loop costs a program whose ticks it drives: a Qt Widgets application, connected to
// the display as the program is, whose one work is a timer every 25 ms, the magnifier's pace, that does
// nothing. No window is shown, so no event of the desktop's adds to it. Its CPU is the part of the
// program's that no work of the program's own can save.
//   tintra_qt_timer_floor [seconds]   (until ended by default)
#include <QApplication>
#include <QTimer>

#include <chrono>
#include <cstdlib>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc > 1)
        QTimer::singleShot(std::chrono::milliseconds(long(std::atof(argv[1]) * 1000)), &application,
                           &QApplication::quit);
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [] {});
    tick.start(std::chrono::milliseconds(25));
    return QApplication::exec();
}
