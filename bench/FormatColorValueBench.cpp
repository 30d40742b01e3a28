#include "core/color/ColorFormats.h"
#include "core/color/FakeSystemColors.h"

#include <benchmark/benchmark.h>

namespace {

// One colour text per pick tick and per list row drawn: each format over a spread of colours.
void BM_FormatColorValue(benchmark::State& state) {
    const FakeSystemColors system;
    const ColorTextStyle style{static_cast<int>(state.range(0)), true, "."};
    ColorValue value = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatColorValue(value, style, system));
        value = (value + 40503) & 0xFFFFFF;
    }
    state.SetLabel(ColorFormatNames[state.range(0)]);
}
BENCHMARK(BM_FormatColorValue)->DenseRange(FormatHtml, FormatHsv);

void BM_ParseColorValueText(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseColorValueText("16777215"));
}
BENCHMARK(BM_ParseColorValueText);

} // namespace
