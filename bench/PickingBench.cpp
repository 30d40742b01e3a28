// The two picking timers' ticks on a real X server: run through bench/picking.sh, which starts one.
#include "app/Program.h"
#include "app/TintraApplication.h"
#include "platform/loader/PlatformLoader.h"
#include "ui/picker/MagnifierPanel.h"
#include "ui/picker/MainWindow.h"

#include <QCursor>

#include <benchmark/benchmark.h>

namespace {

MagnifierPanel* Magnifier = nullptr;
PickLoop* Picking = nullptr;

// One magnifier tick with the pointer away from the window: grab, stretch, cross-hair, repaint.
void BM_MagnifierTick(benchmark::State& state) {
    QCursor::setPos(1500, 800);
    for (auto _ : state)
        Magnifier->TimerShowZoomTimer();
}
BENCHMARK(BM_MagnifierTick)->Unit(benchmark::kMicrosecond);

// The same with the pointer moving a pixel between ticks, so the position line changes every time.
void BM_MagnifierTickMovingPointer(benchmark::State& state) {
    int x = 1500;
    for (auto _ : state) {
        QCursor::setPos(x, 800);
        x = x == 1500 ? 1501 : 1500;
        Magnifier->TimerShowZoomTimer();
    }
}
BENCHMARK(BM_MagnifierTickMovingPointer)->Unit(benchmark::kMicrosecond);

// One pick tick resting on one colour: pointer, one pixel, the repeat rule.
void BM_PickTick(benchmark::State& state) {
    QCursor::setPos(1500, 800);
    for (auto _ : state)
        Picking->TimerGetColorTimer();
}
BENCHMARK(BM_PickTick)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[]) {
    TintraApplication application(argc, argv);
    const auto platform = LoadPlatform();
    Program program(*platform);
    program.Window().show();
    Magnifier = program.Window().findChild<MagnifierPanel*>(QStringLiteral("PnlZoom"));
    Picking = &program.Picker().Picking;
    Picking->TimerGetColorTimer(); // the first tick switches picking on
    // The benchmark drives the ticks itself.
    Picking->TimerGetColor.SetEnabled(false);
    Picking->TimerShowZoom.SetEnabled(false);
    TintraApplication::processEvents();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
