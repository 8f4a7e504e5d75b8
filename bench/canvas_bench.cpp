// Canvas speed against the baselines it must keep up with: a plain integer
// Bresenham loop, memset/memcpy, and QPainter on a QImage. After the run the
// ratios that matter are printed with their targets.

#include <benchmark/benchmark.h>

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "platform/graphics/Bitmap.h"

using namespace qvx;

namespace {

constexpr int kW = 728, kH = 325;
constexpr int kSegments = 4096;
constexpr int kLabelHeight = -13;  // pixels; QPainter gets the same pixel size
const char* const kLabel = "123.45";

struct Segment {
    int x0, y0, x1, y1;
};

// Random directions, about 20 px long, entirely inside the bitmap.
const std::vector<Segment>& Segments()
{
    static const std::vector<Segment> segments = [] {
        std::mt19937 rng(12345);
        std::uniform_real_distribution<double> angle(0, 2 * M_PI);
        std::uniform_int_distribution<int> px(21, kW - 22), py(21, kH - 22);
        std::vector<Segment> s;
        for (int i = 0; i < kSegments; ++i) {
            const double a = angle(rng);
            const int x = px(rng), y = py(rng);
            s.push_back({x, y, x + int(std::lround(20 * std::cos(a))), y + int(std::lround(20 * std::sin(a)))});
        }
        return s;
    }();
    return segments;
}

void SetPerSegment(benchmark::State& state, int perIteration)
{
    state.SetItemsProcessed(int64_t(state.iterations()) * perIteration);
}

void BM_SegmentsCanvas(benchmark::State& state)
{
    TBitmap bmp(kW, kH);
    TCanvas& c = *bmp.Canvas();
    c.Pen()->SetColor(clNavy);
    const auto& segs = Segments();
    for (auto _ : state) {
        for (const Segment& s : segs) {
            c.MoveTo(s.x0, s.y0);
            c.LineTo(s.x1, s.y1);
        }
        benchmark::ClobberMemory();
    }
    SetPerSegment(state, kSegments);
}

// The textbook all-octant integer Bresenham on a raw buffer.
void RawBresenham(uint32_t* bits, int stride, int x0, int y0, int x1, int y1, uint32_t colour)
{
    const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    while (x0 != x1 || y0 != y1) {
        bits[y0 * stride + x0] = colour;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void BM_SegmentsRawBresenham(benchmark::State& state)
{
    std::vector<uint32_t> buffer(size_t(kW) * kH, 0xFFFFFFFF);
    const auto& segs = Segments();
    for (auto _ : state) {
        for (const Segment& s : segs) RawBresenham(buffer.data(), kW, s.x0, s.y0, s.x1, s.y1, 0xFF000080u);
        benchmark::ClobberMemory();
    }
    benchmark::DoNotOptimize(buffer.data());
    SetPerSegment(state, kSegments);
}

void BM_SegmentsQPainter(benchmark::State& state)
{
    QImage image(kW, kH, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(QColor(0, 0, 128));
    pen.setCosmetic(true);
    pen.setWidth(0);
    painter.setPen(pen);
    const auto& segs = Segments();
    for (auto _ : state) {
        for (const Segment& s : segs) painter.drawLine(s.x0, s.y0, s.x1, s.y1);
        benchmark::ClobberMemory();
    }
    SetPerSegment(state, kSegments);
}

void BM_ClearCanvas(benchmark::State& state)
{
    TBitmap bmp(kW, kH);
    TCanvas& c = *bmp.Canvas();
    c.Brush()->SetColor(clBtnFace);
    for (auto _ : state) {
        c.FillRect({0, 0, kW, kH});
        benchmark::ClobberMemory();
    }
    SetPerSegment(state, 1);
}

void BM_ClearMemset(benchmark::State& state)
{
    std::vector<uint32_t> buffer(size_t(kW) * kH);
    for (auto _ : state) {
        std::memset(buffer.data(), 0xD4, buffer.size() * sizeof(uint32_t));
        benchmark::ClobberMemory();
    }
    benchmark::DoNotOptimize(buffer.data());
    SetPerSegment(state, 1);
}

void BM_DrawCanvas(benchmark::State& state)
{
    TBitmap src(kW, kH), dst(kW, kH);
    src.Canvas()->Ellipse(0, 0, kW, kH);
    for (auto _ : state) {
        dst.Canvas()->Draw(0, 0, src);
        benchmark::ClobberMemory();
    }
    SetPerSegment(state, 1);
}

void BM_DrawMemcpy(benchmark::State& state)
{
    std::vector<uint32_t> src(size_t(kW) * kH, 0xFF123456u), dst(size_t(kW) * kH);
    for (auto _ : state) {
        std::memcpy(dst.data(), src.data(), src.size() * sizeof(uint32_t));
        benchmark::ClobberMemory();
    }
    benchmark::DoNotOptimize(dst.data());
    SetPerSegment(state, 1);
}

void BM_TextOutCanvas(benchmark::State& state)
{
    TBitmap bmp(kW, kH);
    TCanvas& c = *bmp.Canvas();
    c.Font()->SetName("Liberation Sans");
    c.Font()->SetHeight(kLabelHeight);
    c.Brush()->SetStyle(TBrushStyle::bsClear);
    int x = 0;
    for (auto _ : state) {
        c.TextOut(10 + (x++ & 255), 100, kLabel);
        benchmark::ClobberMemory();
    }
    SetPerSegment(state, 1);
}

void BM_TextOutQPainter(benchmark::State& state)
{
    QImage image(kW, kH, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont font("Liberation Sans");
    font.setPixelSize(-kLabelHeight);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QString label = QString::fromUtf8(kLabel);
    int x = 0;
    for (auto _ : state) {
        painter.drawText(10 + (x++ & 255), 100, label);
        benchmark::ClobberMemory();
    }
    SetPerSegment(state, 1);
}

BENCHMARK(BM_SegmentsCanvas);
BENCHMARK(BM_SegmentsRawBresenham);
BENCHMARK(BM_SegmentsQPainter);
BENCHMARK(BM_ClearCanvas);
BENCHMARK(BM_ClearMemset);
BENCHMARK(BM_DrawCanvas);
BENCHMARK(BM_DrawMemcpy);
BENCHMARK(BM_TextOutCanvas);
BENCHMARK(BM_TextOutQPainter);

// Collects nanoseconds per item of every benchmark for the ratio summary.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> nsPerItem;
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& r : runs) {
            const auto items = r.counters.find("items_per_second");
            if (items != r.counters.end() && items->second.value > 0)
                nsPerItem[r.benchmark_name()] = 1e9 / items->second.value;
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

void Ratio(const RatioReporter& rep, const char* what, const char* a, const char* b, double target, bool atLeast)
{
    const auto ia = rep.nsPerItem.find(a), ib = rep.nsPerItem.find(b);
    if (ia == rep.nsPerItem.end() || ib == rep.nsPerItem.end()) return;
    const double ratio = ia->second / ib->second;
    const bool ok = atLeast ? ratio >= target : ratio <= target;
    std::printf("%-46s %8.2f ns / %8.2f ns = %6.2f  (target %s %.2f)  %s\n", what, ia->second, ib->second, ratio,
                atLeast ? ">=" : "<=", target, ok ? "met" : "MISSED");
}

}  // namespace

int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);  // QPainter's text needs the font database
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nRatios (same run):\n");
    Ratio(reporter, "QPainter line / canvas line", "BM_SegmentsQPainter", "BM_SegmentsCanvas", 10.0, true);
    Ratio(reporter, "canvas line / raw Bresenham line", "BM_SegmentsCanvas", "BM_SegmentsRawBresenham", 1.5, false);
    Ratio(reporter, "QPainter drawText / canvas TextOut", "BM_TextOutQPainter", "BM_TextOutCanvas", 2.5, true);
    Ratio(reporter, "canvas clear / memset", "BM_ClearCanvas", "BM_ClearMemset", 1.2, false);
    Ratio(reporter, "canvas Draw / memcpy", "BM_DrawCanvas", "BM_DrawMemcpy", 1.2, false);
    benchmark::Shutdown();
    return 0;
}
