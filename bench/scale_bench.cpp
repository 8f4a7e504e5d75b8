// A full transparent paint of typical axis scales (about ten labelled ticks
// with short ticks between them) onto a 728 x 325 canvas, as the chart paints
// 32 of them per frame.

#include <benchmark/benchmark.h>

#include "platform/graphics/Bitmap.h"
#include "scale/QVX_Scale.h"

using namespace qvx;

namespace {

constexpr int kW = 728, kH = 325;

void PaintScale(benchmark::State& state, TScaleType type, bool logarithmic)
{
    TBitmap target(kW, kH);
    TScale scale(nullptr);
    scale.SetBounds(0, 0, kW, kH);
    scale.SetScaleType(type);
    scale.SetTransparent(true);
    scale.SetMinTicks(10);
    if (logarithmic) {
        scale.SetRange(0.001, 1000);
        scale.SetLogarithmic(true);
    } else {
        scale.SetRange(-120, 20);
    }
    scale.SetCaption("Temperature [°C]");
    scale.SetTargetCanvas(target.Canvas(), 0, 0);
    scale.SetEmbedded(true);
    for (auto _ : state) {
        scale.ForcePaint();
        benchmark::ClobberMemory();
    }
    state.counters["ticks"] = scale.NumTicks();
    state.SetItemsProcessed(state.iterations());
}

void BM_HorizontalLinear(benchmark::State& s) { PaintScale(s, TScaleType::sctXB, false); }
void BM_VerticalLinear(benchmark::State& s) { PaintScale(s, TScaleType::sctYL, false); }
void BM_HorizontalLog(benchmark::State& s) { PaintScale(s, TScaleType::sctXB, true); }
void BM_VerticalLog(benchmark::State& s) { PaintScale(s, TScaleType::sctYR, true); }

BENCHMARK(BM_HorizontalLinear)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_VerticalLinear)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HorizontalLog)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_VerticalLog)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
