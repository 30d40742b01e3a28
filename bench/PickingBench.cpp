// The two picking timers' ticks on a real X server: run through bench/picking.sh, which starts one.
#include "ui/picker/Magnifier.h"
#include "core/picker/PickLoop.h"
#include "ui/picker/TFrmScreenColor.h"
#include "core/picker/Timer.h"
#include "app/TintraApplication.h"
#include "platform/qt/QtPlatform.h"

#include <QCursor>

#include <benchmark/benchmark.h>

namespace {

TFrmScreenColor* Window = nullptr;

// One magnifier tick with the pointer away from the window: grab, stretch, cross-hair, repaint.
void BM_MagnifierTick(benchmark::State& state) {
    QCursor::setPos(1500, 800);
    for (auto _ : state)
        Window->Zoom->TimerShowZoomTimer();
}
BENCHMARK(BM_MagnifierTick)->Unit(benchmark::kMicrosecond);

// The same with the pointer moving a pixel between ticks, so the position line changes every time.
void BM_MagnifierTickMovingPointer(benchmark::State& state) {
    int x = 1500;
    for (auto _ : state) {
        QCursor::setPos(x, 800);
        x = x == 1500 ? 1501 : 1500;
        Window->Zoom->TimerShowZoomTimer();
    }
}
BENCHMARK(BM_MagnifierTickMovingPointer)->Unit(benchmark::kMicrosecond);

// One pick tick resting on one colour: pointer, one pixel, the repeat rule.
void BM_PickTick(benchmark::State& state) {
    QCursor::setPos(1500, 800);
    for (auto _ : state)
        Window->Picking->TimerGetColorTimer();
}
BENCHMARK(BM_PickTick)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[]) {
    TintraApplication application(argc, argv);
    QtPlatform platform;
    TFrmScreenColor window(platform);
    window.show();
    Window = &window;
    Window->Picking->TimerGetColorTimer(); // the first tick switches picking on
    // The benchmark drives the ticks itself.
    window.TimerGetColor->SetEnabled(false);
    window.TimerShowZoom->SetEnabled(false);
    TintraApplication::processEvents();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
