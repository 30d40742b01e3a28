// The magnifier's and the pick loop's ticks as the program runs them, on a real X server with the
// scenery of bench/picking.sh changing under the pointer: the magnifier every 25 ms, the pick loop
// every second, for the seconds given (default 20). Prints the median and 95th percentile of each.
#include "app/Program.h"
#include "app/TintraApplication.h"
#include "platform/loader/PlatformLoader.h"
#include "TickStats.h"
#include "ui/picker/MagnifierPanel.h"
#include "ui/picker/MainWindow.h"

#include <QAbstractEventDispatcher>

#include <chrono>
#include <cstdlib>
#include <thread>

int main(int argc, char* argv[]) {
    TintraApplication application(argc, argv);
    const double seconds = argc > 1 ? std::atof(argv[1]) : 20;
    const auto platform = LoadPlatform();
    Program program(*platform);
    program.Window().show();
    PickLoop& picking = program.Picker().Picking;
    picking.TimerGetColorTimer(); // the first tick switches picking on
    // The benchmark drives the ticks itself.
    picking.TimerGetColor.SetEnabled(false);
    picking.TimerShowZoom.SetEnabled(false);
    auto* magnifier = program.Window().findChild<MagnifierPanel*>(QStringLiteral("PnlZoom"));
    // Pictures put straight to the screen are sent when the event loop is about to wait: part of the tick.
    QAbstractEventDispatcher* loop = QAbstractEventDispatcher::instance();

    TickStats zoom, pick;
    const auto start = std::chrono::steady_clock::now();
    auto next = start;
    for (int tick = 0; std::chrono::steady_clock::now() - start < std::chrono::duration<double>(seconds);
         ++tick) {
        TintraApplication::processEvents(); // what the event loop does between ticks
        zoom.Measure([&] {
            const bool drew = magnifier->TimerShowZoomTimer();
            emit loop->aboutToBlock();
            return drew;
        });
        if (tick % 40 == 0)
            pick.Measure([&] {
                const int rows = program.Picker().History.rowCount();
                picking.TimerGetColorTimer();
                return program.Picker().History.rowCount() != rows;
            });
        next += std::chrono::milliseconds(25);
        std::this_thread::sleep_until(next);
    }
    zoom.Print("zoom");
    pick.Print("pick");
    return 0;
}
