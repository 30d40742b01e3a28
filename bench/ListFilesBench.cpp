// A million-row colour list: opened into the history and drawn, then saved again. Runs on Qt's
// offscreen platform, so it needs no display.
#include "app/Program.h"
#include "app/TintraApplication.h"
#include "platform/fake/FakePlatform.h"
#include "ui/collections/ColorListView.h"
#include "ui/picker/MainWindow.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct Fixture {
    FakePlatform Platform;
    Program Tintra{Platform};
    MainWindow& Window = Tintra.Window();
    QTemporaryDir Folder;
    QString Rows = Folder.filePath("million.colors");

    Fixture() {
        QFile file(Rows);
        file.open(QIODevice::WriteOnly);
        QByteArray bytes;
        for (int i = 0; i < 1'000'000; ++i)
            bytes += "#" + QByteArray::number(i * 16, 16).right(6).rightJustified(6, '0').toUpper() + "\r\n";
        file.write(bytes);
        Window.show();
        Platform.DialogsFake.OpenAnswer = Rows;
        Platform.DialogsFake.SaveAnswer = Folder.filePath("saved.colors");
    }
};

Fixture* Bench = nullptr;

void BM_OpenAndDrawMillionRows(benchmark::State& state) {
    for (auto _ : state) {
        Bench->Window.findChild<QAction*>("N6")->trigger();
        Bench->Window.findChild<ColorListView*>("LbColors")->viewport()->repaint();
    }
    state.counters["rows"] = Bench->Tintra.Picker().History.rowCount();
}
BENCHMARK(BM_OpenAndDrawMillionRows)->Unit(benchmark::kMillisecond);

void BM_SaveMillionRows(benchmark::State& state) {
    for (auto _ : state)
        Bench->Window.findChild<QAction*>("N8")->trigger();
}
BENCHMARK(BM_SaveMillionRows)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TintraApplication application(argc, argv);
    Fixture fixture;
    Bench = &fixture;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
