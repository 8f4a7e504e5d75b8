// Hostile input for the canvas and the bitmap reader. This executable links
// the sanitised platform library, so a pass means: no crash, no AddressSanitizer
// or UBSan report, and no write outside the clip rectangle. Every generator
// has a fixed seed, so a failure reproduces run after run.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <map>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

namespace {

class TRandom {
public:
    explicit TRandom(uint32_t seed) : FGen(seed) {}
    // Uniform in [lo, hi]; computed from raw draws so every standard library
    // yields the same sequence.
    int64_t Range(int64_t lo, int64_t hi)
    {
        const uint64_t v = uint64_t(FGen()) << 32 | FGen();
        return lo + int64_t(v % (uint64_t(hi - lo) + 1));
    }
    bool Chance(int percent) { return Range(0, 99) < percent; }
    template <class T, size_t N>
    T Pick(const T (&items)[N])
    {
        return items[size_t(Range(0, int64_t(N) - 1))];
    }
    uint32_t Bits() { return FGen(); }

private:
    std::mt19937 FGen;
};

constexpr int32_t kHugeCoords[] = {INT32_MIN, INT32_MIN + 1, INT32_MAX, INT32_MAX - 1, -1000000000, 1000000000,
                                   -65537,    65537,         -65536,    65536,         -32769,      32768};

int32_t Clamp32(int64_t v)
{
    return int32_t(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

// A logical coordinate on an axis whose device pixels [0, extent) start at
// logical -origin: mostly on or just around the surface, often right at an
// edge, sometimes absurd.
int32_t Coord(TRandom& r, int64_t origin, int64_t extent)
{
    switch (r.Range(0, 5)) {
    case 0:
    case 1:
    case 2: return Clamp32(r.Range(-4, extent + 4) - origin);
    case 3:
    case 4: return Clamp32((r.Chance(50) ? 0 : extent) + r.Range(-2, 2) - origin);
    default: return r.Pick(kHugeCoords);
    }
}

qvx::TColor RandomColor(TRandom& r)
{
    switch (r.Range(0, 5)) {
    case 0: return qvx::SystemColor(int(r.Range(0, 255)));  // includes indices past the table
    case 1: return r.Chance(50) ? qvx::clNone : qvx::clDefault;
    case 2: return qvx::TColor(r.Bits());
    default: return qvx::TColor(r.Bits() & 0xFFFFFF);
    }
}

constexpr qvx::TCopyMode kCopyModes[] = {
    qvx::cmBlackness, qvx::cmDstInvert,  qvx::cmMergeCopy,  qvx::cmMergePaint, qvx::cmNotSrcCopy,
    qvx::cmNotSrcErase, qvx::cmPatCopy,  qvx::cmPatInvert,  qvx::cmPatPaint,   qvx::cmSrcAnd,
    qvx::cmSrcCopy,   qvx::cmSrcErase,   qvx::cmSrcInvert,  qvx::cmSrcPaint,   qvx::cmWhiteness,
};

const char* const kTexts[] = {"", "A", "Hello, world", "W\xC3\xA9ll \xE2\x82\xAC", "\xFF\xFE\x80 not UTF-8",
                              "tab\tand\nnewline", "mmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmm"};

// What the canvas is drawn on, for picking coordinates.
struct TSurface {
    int64_t width = 0, height = 0;
};

// Pen, brush, font, text alignment and copy mode; with view = true also the
// origin and clip rectangle.
void ShuffleState(qvx::TCanvas& c, TRandom& r, const TSurface& s, bool view)
{
    constexpr int32_t kWidths[] = {0, 1, 1, 1, 2, 3, 4, 7, 16, -1, -7, INT32_MIN, 5000, 65536, 65537, INT32_MAX};
    c.Pen()->SetWidth(r.Chance(20) ? int32_t(r.Range(0, 40)) : r.Pick(kWidths));
    c.Pen()->SetStyle(qvx::TPenStyle(r.Range(0, 6)));
    c.Pen()->SetMode(qvx::TPenMode(r.Range(0, 15)));
    c.Pen()->SetColor(RandomColor(r));
    if (r.Chance(40)) c.Brush()->SetStyle(qvx::TBrushStyle::bsClear);
    else c.Brush()->SetColor(RandomColor(r));
    if (r.Chance(30)) {
        constexpr int32_t kHeights[] = {-11, -11, -8, 0, 13, -1, 1, -40, -200, INT32_MIN, INT32_MAX};
        c.Font()->SetHeight(r.Pick(kHeights));
        qvx::TFontStyles style;
        for (int i = 0; i < 4; ++i)
            if (r.Chance(30)) style.Include(qvx::TFontStyle(i));
        c.Font()->SetStyle(style);
        c.Font()->SetColor(RandomColor(r));
    }
    constexpr uint32_t kH[] = {qvx::TA_LEFT, qvx::TA_RIGHT, qvx::TA_CENTER};
    constexpr uint32_t kV[] = {qvx::TA_TOP, qvx::TA_BOTTOM, qvx::TA_BASELINE};
    c.SetTextAlign(r.Pick(kH) | r.Pick(kV));
    c.SetCopyMode(r.Chance(10) ? qvx::TCopyMode(r.Bits()) : r.Pick(kCopyModes));
    if (!view) return;
    if (r.Chance(70)) c.SetOrigin({int32_t(r.Range(-20, 20)), int32_t(r.Range(-20, 20))});
    else c.SetOrigin({r.Pick(kHugeCoords), r.Pick(kHugeCoords)});
    if (r.Chance(30)) {
        c.ResetClipRect();
    } else {
        const qvx::TPoint o = c.Origin();
        c.SetClipRect({Coord(r, o.X, s.width), Coord(r, o.Y, s.height), Coord(r, o.X, s.width),
                       Coord(r, o.Y, s.height)});
    }
}

std::string Describe(const char* name, std::initializer_list<int64_t> args)
{
    std::string out = name;
    out += '(';
    for (int64_t a : args) out += std::to_string(a) + ",";
    out.back() = ')';
    return out;
}

// One random drawing call; returns what it did, for failure messages.
std::string DrawRandom(qvx::TCanvas& c, TRandom& r, const TSurface& s, std::span<qvx::TBitmap* const> sources)
{
    const qvx::TPoint o = c.Origin();
    auto X = [&] { return Coord(r, o.X, s.width); };
    auto Y = [&] { return Coord(r, o.Y, s.height); };
    auto Points = [&](int n) {
        std::vector<qvx::TPoint> pts(static_cast<size_t>(n));
        for (auto& p : pts) p = {X(), Y()};
        return pts;
    };
    auto ListOf = [](const std::vector<qvx::TPoint>& pts) {
        std::string out;
        for (const auto& p : pts) out += "(" + std::to_string(p.X) + "," + std::to_string(p.Y) + ")";
        return out;
    };
    switch (r.Range(0, 14)) {
    case 0: {
        const int32_t x = X(), y = Y();
        c.MoveTo(x, y);
        return Describe("MoveTo", {x, y});
    }
    case 1: {
        const int32_t x = X(), y = Y();
        const qvx::TPoint from = c.PenPos();
        c.LineTo(x, y);
        return Describe("LineTo from", {from.X, from.Y, x, y});
    }
    case 2: {
        const auto pts = Points(int(r.Range(0, 12)));
        c.Polyline(pts);
        return "Polyline" + ListOf(pts);
    }
    case 3: {
        const auto pts = Points(int(r.Range(0, 12)));
        c.Polygon(pts);
        return "Polygon" + ListOf(pts);
    }
    case 4: {
        const int32_t a = X(), b = Y(), cc = X(), d = Y();
        c.Rectangle(a, b, cc, d);
        return Describe("Rectangle", {a, b, cc, d});
    }
    case 5: {
        const int32_t a = X(), b = Y(), cc = X(), d = Y();
        c.Ellipse(a, b, cc, d);
        return Describe("Ellipse", {a, b, cc, d});
    }
    case 6: {
        const int32_t v[8] = {X(), Y(), X(), Y(), X(), Y(), X(), Y()};
        c.Arc(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]);
        return Describe("Arc", {v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]});
    }
    case 7: {
        const qvx::TRect rc{X(), Y(), X(), Y()};
        c.FillRect(rc);
        return Describe("FillRect", {rc.Left, rc.Top, rc.Right, rc.Bottom});
    }
    case 8: {
        const int32_t x = X(), y = Y();
        c.SetPixels(x, y, RandomColor(r));
        return Describe("SetPixels", {x, y});
    }
    case 9: {
        const int32_t x = X(), y = Y();
        const qvx::TColor got = c.Pixels(x, y);
        EXPECT_TRUE(got == qvx::CLR_INVALID || (got & 0xFF000000) == 0) << "Pixels(" << x << "," << y << ") = " << got;
        return Describe("Pixels", {x, y});
    }
    case 10: {
        const int32_t x = X(), y = Y();
        const char* text = r.Pick(kTexts);
        c.TextOut(x, y, text);
        return Describe("TextOut", {x, y}) + " \"" + text + "\"";
    }
    case 11: {
        const qvx::TRect rc{X(), Y(), X(), Y()};
        const int32_t x = X(), y = Y();
        const char* text = r.Pick(kTexts);
        c.TextRect(rc, x, y, text);
        return Describe("TextRect", {rc.Left, rc.Top, rc.Right, rc.Bottom, x, y}) + " \"" + text + "\"";
    }
    case 12: {
        const int32_t x = X(), y = Y();
        const size_t i = size_t(r.Range(0, int64_t(sources.size()) - 1));
        c.Draw(x, y, *sources[i]);
        return Describe("Draw", {x, y, int64_t(i), c.CopyMode()});
    }
    case 13: {
        const qvx::TRect rc{X(), Y(), X(), Y()};
        const size_t i = size_t(r.Range(0, int64_t(sources.size()) - 1));
        c.StretchDraw(rc, *sources[i]);
        return Describe("StretchDraw", {rc.Left, rc.Top, rc.Right, rc.Bottom, int64_t(i), c.CopyMode()});
    }
    default: {
        c.SetPenPos({X(), Y()});
        return "SetPenPos";
    }
    }
}

std::string StateOf(qvx::TCanvas& c)
{
    return "pen width " + std::to_string(c.Pen()->Width()) + " style " + std::to_string(int(c.Pen()->Style())) +
           " mode " + std::to_string(int(c.Pen()->Mode())) + ", brush " +
           (c.Brush()->Style() == qvx::TBrushStyle::bsClear ? "clear" : "solid") + ", origin " +
           std::to_string(c.Origin().X) + "," + std::to_string(c.Origin().Y);
}

qvx::TSize RandomSize(TRandom& r)
{
    switch (r.Range(0, 7)) {
    case 0: return {0, 0};
    case 1: return {1, 1};
    case 2: return {1, int32_t(r.Range(2, 90))};
    case 3: return {int32_t(r.Range(2, 90)), 1};
    case 4: return r.Chance(50) ? qvx::TSize{0, int32_t(r.Range(1, 50))} : qvx::TSize{int32_t(r.Range(1, 50)), 0};
    default: return {int32_t(r.Range(2, 70)), int32_t(r.Range(2, 70))};
    }
}

void Noise(qvx::TBitmap& bmp, TRandom& r)
{
    for (int32_t y = 0; y < bmp.Height(); ++y)
        for (int32_t x = 0; x < bmp.Width(); ++x) bmp.ScanLine(y)[x] = 0xFF000000u | (r.Bits() & 0xFFFFFF);
}

TEST(CanvasRobustness, RandomPrimitivesWithHostileCoordinatesAndState)
{
    TRandom r(0x5EED0001);
    constexpr int kRounds = 400, kCallsPerRound = 25;
    for (int round = 0; round < kRounds; ++round) {
        const qvx::TSize size = RandomSize(r);
        qvx::TBitmap target(size.cx, size.cy);
        Noise(target, r);
        qvx::TBitmap small(int32_t(r.Range(1, 9)), int32_t(r.Range(1, 9))), empty, line(1, 17);
        Noise(small, r);
        qvx::TBitmap* const sources[] = {&small, &empty, &line, &target};
        // Every tenth round draws through a canvas without any surface.
        qvx::TCanvas detached;
        qvx::TCanvas& c = round % 10 == 9 ? detached : *target.Canvas();
        const TSurface s{size.cx, size.cy};
        for (int i = 0; i < kCallsPerRound; ++i) {
            if (r.Chance(20)) ShuffleState(c, r, s, true);
            DrawRandom(c, r, s, sources);
        }
        EXPECT_EQ(target.Width(), size.cx);
        EXPECT_EQ(target.Height(), size.cy);
    }
}

TEST(CanvasRobustness, NothingOutsideTheClipRectangleChanges)
{
    TRandom r(0x5EED0002);
    constexpr int kRounds = 250, kCallsPerRound = 20;
    std::map<std::string, std::string> firstFault;  // primitive -> example
    for (int round = 0; round < kRounds; ++round) {
        qvx::TBitmap target(int32_t(r.Range(8, 40)), int32_t(r.Range(8, 40)));
        Noise(target, r);
        qvx::TBitmap small(int32_t(r.Range(1, 9)), int32_t(r.Range(1, 9)));
        Noise(small, r);
        qvx::TBitmap* const sources[] = {&small, &target};
        const TSurface s{target.Width(), target.Height()};
        qvx::TCanvas& c = *target.Canvas();
        const qvx::TPoint origin{int32_t(r.Range(-12, 12)), int32_t(r.Range(-12, 12))};
        c.SetOrigin(origin);
        const qvx::TRect clip{int32_t(r.Range(-4, s.width)) - origin.X, int32_t(r.Range(-4, s.height)) - origin.Y,
                              int32_t(r.Range(0, s.width + 4)) - origin.X, int32_t(r.Range(0, s.height + 4)) - origin.Y};
        c.SetClipRect(clip);
        // The clip in device pixels, limited to the surface.
        const int64_t l = std::max<int64_t>(0, int64_t(clip.Left) + origin.X);
        const int64_t t = std::max<int64_t>(0, int64_t(clip.Top) + origin.Y);
        const int64_t rt = std::min<int64_t>(s.width, int64_t(clip.Right) + origin.X);
        const int64_t b = std::min<int64_t>(s.height, int64_t(clip.Bottom) + origin.Y);
        auto outside = [&](int64_t x, int64_t y) { return !(x >= l && x < rt && y >= t && y < b); };
        std::vector<qvx::TPixel> before(target.Buffer().Bits(),
                                        target.Buffer().Bits() + size_t(s.width) * size_t(s.height));
        for (int i = 0; i < kCallsPerRound; ++i) {
            if (r.Chance(30)) ShuffleState(c, r, s, false);
            const std::string state = StateOf(c);
            const std::string call = DrawRandom(c, r, s, sources);
            const qvx::TPixel* now = target.Buffer().Bits();
            bool leaked = false;
            for (int64_t y = 0; y < s.height && !leaked; ++y)
                for (int64_t x = 0; x < s.width && !leaked; ++x)
                    leaked = outside(x, y) && now[y * s.width + x] != before[size_t(y * s.width + x)];
            if (leaked) {
                const std::string name = call.substr(0, call.find_first_of("( "));
                firstFault.try_emplace(name, call + " on " + std::to_string(s.width) + "x" + std::to_string(s.height) +
                                                 ", clip " + std::to_string(clip.Left) + "," + std::to_string(clip.Top) +
                                                 "," + std::to_string(clip.Right) + "," + std::to_string(clip.Bottom) +
                                                 ", " + state);
                std::copy(now, now + before.size(), before.begin());  // keep looking for other faults
            }
        }
    }
    for (const auto& [name, example] : firstFault) ADD_FAILURE() << name << " wrote outside the clip: " << example;
}

// --- Bitmap files ------------------------------------------------------------------

void Put(std::vector<uint8_t>& d, uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i) d.push_back(uint8_t(v >> (8 * i)));
}

void PutAt(std::vector<uint8_t>& d, size_t at, uint32_t v, int bytes)
{
    for (int i = 0; i < bytes && at + size_t(i) < d.size(); ++i) d[at + size_t(i)] = uint8_t(v >> (8 * i));
}

// A valid bitmap file of random pixels. headerSize 12, 40 or 108; with
// bitfields (16 and 32 bits only) the colour masks are stored explicitly.
std::vector<uint8_t> RandomBmp(TRandom& r, int bpp, int headerSize, bool bitfields)
{
    const int w = int(r.Range(1, 13)), h = int(r.Range(1, 9)) * (r.Chance(50) || headerSize == 12 ? 1 : -1);
    const int rows = h < 0 ? -h : h;
    const int palette = bpp <= 8 ? 1 << bpp : 0;
    const int entry = headerSize == 12 ? 3 : 4;
    const int masks = bitfields && headerSize == 40 ? 12 : 0;
    const int rowBytes = (w * bpp + 31) / 32 * 4;
    const uint32_t offBits = 14 + headerSize + masks + palette * entry;
    std::vector<uint8_t> d = {'B', 'M'};
    Put(d, offBits + rowBytes * rows, 4);
    Put(d, 0, 4);
    Put(d, offBits, 4);
    Put(d, headerSize, 4);
    if (headerSize == 12) {
        Put(d, w, 2);
        Put(d, h, 2);
        Put(d, 1, 2);
        Put(d, bpp, 2);
    } else {
        Put(d, w, 4);
        Put(d, uint32_t(h), 4);
        Put(d, 1, 2);
        Put(d, bpp, 2);
        Put(d, bitfields ? 3 : 0, 4);
        Put(d, rowBytes * rows, 4);
        Put(d, 2835, 4);
        Put(d, 2835, 4);
        Put(d, palette, 4);
        Put(d, 0, 4);
        const uint32_t m[4] = {bpp == 16 ? 0xF800u : 0xFF0000u, bpp == 16 ? 0x07E0u : 0xFF00u,
                               bpp == 16 ? 0x001Fu : 0xFFu, bpp == 32 ? 0xFF000000u : 0u};
        if (masks != 0)
            for (int i = 0; i < 3; ++i) Put(d, m[i], 4);
        if (headerSize > 40) {
            for (uint32_t v : m) Put(d, v, 4);
            while (d.size() < size_t(14 + headerSize)) d.push_back(0);
        }
    }
    for (int i = 0; i < palette * entry; ++i) d.push_back(uint8_t(r.Bits()));
    for (int i = 0; i < rowBytes * rows; ++i) d.push_back(uint8_t(r.Bits()));
    return d;
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& d)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(d.data()),
                                                                  std::streamsize(d.size()));
}

TEST(BitmapFileRobustness, MutatedFilesRaiseOnlyGraphicOrOpenErrors)
{
    TRandom r(0x5EED0003);
    const std::string path = ::testing::TempDir() + "qvx_robustness_mutant.bmp";

    struct Kind {
        int bpp, headerSize;
        bool bitfields;
    };
    constexpr Kind kKinds[] = {{1, 40, false},  {4, 40, false},  {8, 40, false},   {16, 40, false}, {24, 40, false},
                               {32, 40, false}, {16, 40, true},  {32, 40, true},   {1, 12, false},  {4, 12, false},
                               {8, 12, false},  {24, 12, false}, {24, 108, false}, {32, 108, true}};
    std::vector<std::vector<uint8_t>> bases;
    for (const Kind& k : kKinds) {
        bases.push_back(RandomBmp(r, k.bpp, k.headerSize, k.bitfields));
        WriteFile(path, bases.back());
        qvx::TBitmap check;
        ASSERT_NO_THROW(check.LoadFromFile(path)) << k.bpp << " bpp, header " << k.headerSize;
    }

    // Offsets and widths of the header fields worth abusing (info and core layouts).
    constexpr std::pair<int, int> kFields[] = {{2, 4},  {10, 4}, {14, 4}, {18, 4}, {22, 4}, {26, 2}, {28, 2},
                                               {30, 4}, {34, 4}, {46, 4}, {50, 4}, {54, 4}, {58, 4}, {62, 4},
                                               {18, 2}, {20, 2}, {22, 2}, {24, 2}};
    constexpr uint32_t kExtremes[] = {0,      1,          2,          3,          4,          8,         12,
                                      16,     24,         32,         40,         56,         64,        108,
                                      124,    255,        256,        1000,       0x7FFF,     0x8000,    0xFFFF,
                                      0x10000, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0xFFFFFFFE, 0xFFFF0000};
    constexpr int kMutants = 4000;
    int loaded = 0;
    for (int i = 0; i < kMutants; ++i) {
        std::vector<uint8_t> d = bases[size_t(r.Range(0, int64_t(bases.size()) - 1))];
        std::string how;
        for (int64_t n = r.Range(1, 3); n > 0; --n) {
            switch (r.Range(0, 3)) {
            case 0:
                for (int64_t k = r.Range(1, 8); k > 0 && !d.empty(); --k) {
                    // Headers decide the most, so half of the flips land there.
                    const int64_t limit = r.Chance(50) ? std::min<int64_t>(70, int64_t(d.size())) : int64_t(d.size());
                    const size_t at = size_t(r.Range(0, limit - 1));
                    d[at] ^= uint8_t(r.Range(1, 255));
                    how += " flip@" + std::to_string(at);
                }
                break;
            case 1:
                d.resize(size_t(r.Range(0, int64_t(d.size()))));
                how += " cut@" + std::to_string(d.size());
                break;
            case 2: {
                const auto [at, bytes] = r.Pick(kFields);
                const uint32_t v = r.Chance(20) ? r.Bits() : r.Pick(kExtremes);
                PutAt(d, size_t(at), v, bytes);
                how += " set@" + std::to_string(at) + "=" + std::to_string(v);
                break;
            }
            default: {
                const int64_t extra = r.Range(1, 4096);
                for (int64_t k = 0; k < extra; ++k) d.push_back(uint8_t(r.Bits()));
                how += " grow+" + std::to_string(extra);
            }
            }
        }
        WriteFile(path, d);
        qvx::TBitmap bmp(2, 2);
        try {
            bmp.LoadFromFile(path);
            ++loaded;
            EXPECT_GT(bmp.Width(), 0) << how;
            EXPECT_GT(bmp.Height(), 0) << how;
        } catch (const qvx::EInvalidGraphic&) {
            EXPECT_EQ(bmp.Width(), 2) << how;
        } catch (const qvx::EFOpenError&) {
            EXPECT_EQ(bmp.Width(), 2) << how;
        } catch (const std::exception& e) {
            ADD_FAILURE() << "mutant " << i << how << ": unexpected exception: " << e.what();
        }
    }
    std::remove(path.c_str());
    // If hardly any mutant decodes, the mutations never reach the decoder and
    // the run proves little (about a third decode with this seed).
    EXPECT_GT(loaded, kMutants / 10);
}

}  // namespace
