// The chart's item list under the monitoring program's load: each tick adds
// one line per channel (4 appends) and drops the four oldest (4 RemoveFirst)
// from a steady window. The time per iteration is the time per tick, and it
// must not depend on the window's length. A second case appends lines only,
// up to ten million, next to the same writes into a reserved std::vector:
// that baseline is the cost of touching the memory at all. The last case
// walks a long list as the renderer does.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "chart/ItemList.h"

using namespace qvx;

namespace {

constexpr int32_t kAllocSize = 1000;  // the chart's default step

// What AddLine writes into the new item.
void FillLine(TkxChartItem& item, double x, double y)
{
    item.Kind = ikLine;
    item.Layer = 1;
    item.X1 = x;
    item.Y1 = y;
    item.X2 = x + 0.5;
    item.Y2 = y;
    item.FillColor = 0xC0C0C0;
    item.PenStyle = TPenStyle::psSolid;
    item.LineWidth = 1;
}

void AddLine(TKxItemContainer& list, double x, double y) { FillLine(list.Append(kAllocSize), x, y); }

void MonitoringTick(benchmark::State& state)
{
    const auto window = static_cast<int32_t>(state.range(0));
    TKxItemContainer list;
    double t = 0;
    for (int32_t i = 0; i < window; ++i) AddLine(list, t += 0.125, i % 100);
    for (auto _ : state) {
        for (int channel = 0; channel < 4; ++channel) AddLine(list, t += 0.125, channel);
        for (int channel = 0; channel < 4; ++channel) list.RemoveFirst();
        benchmark::DoNotOptimize(list[0].X1);
    }
    state.counters["items"] = list.ItemCount();
}
BENCHMARK(MonitoringTick)->Arg(1000)->Arg(100000)->Arg(1000000);

void AppendOnly(benchmark::State& state)
{
    const auto total = static_cast<int32_t>(state.range(0));
    for (auto _ : state) {
        TKxItemContainer list;
        for (int32_t i = 0; i < total; ++i) AddLine(list, i, i % 100);
        benchmark::DoNotOptimize(list[total - 1].X1);
    }
    state.SetItemsProcessed(state.iterations() * total);
}
BENCHMARK(AppendOnly)->Arg(10000000)->Unit(benchmark::kMillisecond);

void AppendOnlyReservedVector(benchmark::State& state)
{
    const auto total = static_cast<int32_t>(state.range(0));
    for (auto _ : state) {
        std::vector<TkxChartItem> items;
        items.reserve(static_cast<size_t>(total));
        for (int32_t i = 0; i < total; ++i) FillLine(items.emplace_back(), i, i % 100);
        benchmark::DoNotOptimize(items.back().X1);
    }
    state.SetItemsProcessed(state.iterations() * total);
}
BENCHMARK(AppendOnlyReservedVector)->Arg(10000000)->Unit(benchmark::kMillisecond);

void ForEachItem(benchmark::State& state)
{
    const auto window = static_cast<int32_t>(state.range(0));
    TKxItemContainer list;
    for (int32_t i = 0; i < window; ++i) AddLine(list, i, 0);
    for (int32_t i = 0; i < window / 3; ++i) list.RemoveFirst();  // make the items wrap around
    for (int32_t i = 0; i < window / 3; ++i) AddLine(list, i, 0);
    for (auto _ : state) {
        double sum = 0;
        list.ForEach([&sum](const TkxChartItem& item, int32_t) { sum += item.X1; });
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * list.ItemCount());
}
BENCHMARK(ForEachItem)->Arg(1000)->Arg(1000000);

}  // namespace

BENCHMARK_MAIN();
