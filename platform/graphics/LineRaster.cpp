// One-pixel line rasterisation.
//
// Along the major axis every step k in [0, n) lights one pixel; the minor
// offset m(k) is the exact ordinate rounded to nearest, halves toward the
// smaller coordinate:
//     minor coordinate increasing:  m = ceil((2kb - a) / 2a)
//     minor coordinate decreasing:  m = floor((2kb + a) / 2a)
// with a = |major extent| and b = |minor extent|. Both are tracked with an
// integer error term, so the walk is Bresenham's with a direction-dependent
// tie bias. Clipping only chooses the range of k and the start state, so a
// clipped line lights exactly the pixels of the unclipped one.

#include <algorithm>
#include <cstdlib>

#include "platform/graphics/Raster_p.h"

namespace qvx::raster {

namespace {

using i128 = __int128;

int64_t FloorDiv(i128 num, i128 den)  // den > 0
{
    i128 q = num / den;
    if ((num % den) != 0 && num < 0) --q;
    return static_cast<int64_t>(q);
}

int64_t CeilDiv(i128 num, i128 den)  // den > 0
{
    i128 q = num / den;
    if ((num % den) != 0 && num > 0) ++q;
    return static_cast<int64_t>(q);
}

struct LineGeometry {
    bool xMajor = true;
    int64_t majorStart = 0, minorStart = 0;
    int64_t majorSign = 1, minorSign = 1;
    int64_t a = 0;       // major extent = number of pixels drawn
    int64_t b = 0;       // minor extent
    int64_t thresh = 0;  // step the minor axis when err + 2b > thresh

    LineGeometry(TDevPoint p, TDevPoint q)
    {
        const int64_t dx = q.x - p.x, dy = q.y - p.y;
        xMajor = std::llabs(dx) > std::llabs(dy);
        const int64_t dMajor = xMajor ? dx : dy;
        const int64_t dMinor = xMajor ? dy : dx;
        majorStart = xMajor ? p.x : p.y;
        minorStart = xMajor ? p.y : p.x;
        majorSign = dMajor < 0 ? -1 : 1;
        minorSign = dMinor < 0 ? -1 : 1;
        a = std::llabs(dMajor);
        b = std::llabs(dMinor);
        thresh = minorSign > 0 ? 0 : -1;
    }

    // Minor offset and error term at step k.
    void StateAt(int64_t k, int64_t& m, int64_t& err) const
    {
        const i128 twoA = i128(2) * a;
        if (minorSign > 0) {
            const i128 num = i128(2) * k * b - a;
            m = CeilDiv(num, twoA);
            err = static_cast<int64_t>(num - twoA * m);
        } else {
            const i128 num = i128(2) * k * b + a;
            m = FloorDiv(num, twoA);
            err = static_cast<int64_t>(num - twoA * m - twoA);
        }
    }
};

// Calls fn(x, y, k) for every pixel of the line inside the clip.
template <class Fn>
void WalkClipped(const TDeviceRect& clip, TDevPoint p, TDevPoint q, Fn&& fn)
{
    const LineGeometry g(p, q);
    if (g.a == 0) return;
    const int64_t lo = g.xMajor ? clip.left : clip.top;
    const int64_t hi = g.xMajor ? clip.right : clip.bottom;
    const int64_t minorLo = g.xMajor ? clip.top : clip.left;
    const int64_t minorHi = g.xMajor ? clip.bottom : clip.right;
    // Range of k whose major coordinate lies in [lo, hi).
    int64_t k0, k1;
    if (g.majorSign > 0) {
        k0 = lo - g.majorStart;
        k1 = hi - g.majorStart;
    } else {
        k0 = g.majorStart - hi + 1;
        k1 = g.majorStart - lo + 1;
    }
    k0 = std::max<int64_t>(k0, 0);
    k1 = std::min<int64_t>(k1, g.a);
    if (k0 >= k1) return;

    int64_t m, err;
    g.StateAt(k0, m, err);
    const int64_t twoA = 2 * g.a, twoB = 2 * g.b;
    for (int64_t k = k0; k < k1; ++k) {
        const int64_t major = g.majorStart + g.majorSign * k;
        const int64_t minor = g.minorStart + g.minorSign * m;
        if (minor >= minorLo && minor < minorHi) {
            if (g.xMajor) fn(major, minor, k);
            else fn(minor, major, k);
        } else if ((g.minorSign > 0 && minor >= minorHi) || (g.minorSign < 0 && minor < minorLo)) {
            break;  // left the clip for good
        }
        err += twoB;
        if (err > g.thresh) {
            ++m;
            err -= twoA;
        }
    }
}

// Unclipped walk with pointer stepping; both end points lie inside the clip,
// so every quantity fits 32 bits. The minor offset is tracked as a 32-bit
// fixed-point fraction whose carry moves the pointer: no branch per pixel.
// m = floor(k b/a + 1/2) counts carries of 1/2 + k (b/a rounded up); m =
// ceil(k b/a - 1/2) counts borrows of 1/2 - k (b/a rounded down), which are
// the carries of the complement. The slope comes from a table of 2^32 / a;
// its error, summed over a < kDdaLimit steps, stays below 1/(2a), the least
// distance of a non-tie ordinate from a rounding boundary, so the result is
// exact. Longer lines use the error-term walk.
constexpr int32_t kDdaLimit = 1024;

struct ReciprocalTable {
    uint32_t down[kDdaLimit];  // floor(2^32 / a)
    uint32_t up[kDdaLimit];    // ceil(2^32 / a)
    constexpr ReciprocalTable() : down{}, up{}
    {
        for (uint64_t a = 2; a < uint64_t(kDdaLimit); ++a) {
            down[a] = uint32_t((uint64_t(1) << 32) / a);
            up[a] = uint32_t(((uint64_t(1) << 32) + a - 1) / a);
        }
    }
};
constexpr ReciprocalTable kReciprocal;

template <bool XMajor, class Op>
inline void WalkInsideAxis(TPixel* px, int32_t stride, int32_t dMajor, int32_t dMinor, const Op& op)
{
    const int32_t a = dMajor < 0 ? -dMajor : dMajor;
    const int32_t b = dMinor < 0 ? -dMinor : dMinor;
    const ptrdiff_t majorStep = XMajor ? (dMajor < 0 ? -1 : 1) : (dMajor < 0 ? -stride : stride);
    const ptrdiff_t minorStep = XMajor ? (dMinor < 0 ? -stride : stride) : (dMinor < 0 ? -1 : 1);
    if (b == a || b == 0) {  // diagonal or straight: no rounding at all
        const ptrdiff_t step = majorStep + (b == 0 ? 0 : minorStep);
        for (int32_t k = a; k > 0; --k, px += step) op.Apply(*px);
        return;
    }
    if (a < kDdaLimit) {
        const uint32_t slope = uint32_t(b) * (dMinor < 0 ? kReciprocal.up[a] : kReciprocal.down[a]);
        uint32_t frac = dMinor < 0 ? 0x80000000u : 0x7FFFFFFFu;
        for (int32_t k = a; k > 0; --k) {
            op.Apply(*px);
            const uint32_t next = frac + slope;
            px += majorStep + (next < frac ? minorStep : 0);
            frac = next;
        }
        return;
    }
    const int32_t thresh = dMinor < 0 ? -1 : 0;
    const int32_t twoA = 2 * a, twoB = 2 * b;
    int32_t err = -a;  // the state at k = 0 for either tie bias
    for (int32_t k = a; k > 0; --k) {
        op.Apply(*px);
        px += majorStep;
        err += twoB;
        if (err > thresh) {
            px += minorStep;
            err -= twoA;
        }
    }
}

template <class Op>
inline void WalkInside(const TTarget& t, TDevPoint p, TDevPoint q, const Op& op)
{
    const auto dx = int32_t(q.x - p.x), dy = int32_t(q.y - p.y);
    TPixel* px = t.At(p.x, p.y);
    const auto stride = int32_t(t.stride);
    if ((dx < 0 ? -dx : dx) > (dy < 0 ? -dy : dy)) WalkInsideAxis<true>(px, stride, dx, dy, op);
    else WalkInsideAxis<false>(px, stride, dy, dx, op);
}

template <class Op>
inline void SolidLine(const TTarget& t, TDevPoint a, TDevPoint b, const Op& op)
{
    if (t.clip.Contains(a.x, a.y) && t.clip.Contains(b.x, b.y)) [[likely]] {
        WalkInside(t, a, b, op);
        return;
    }
    WalkClipped(t.clip, a, b, [&](int64_t x, int64_t y, int64_t) { op.Apply(*t.At(x, y)); });
}

}  // namespace

TRop2 TRop2::Make(int code, TPixel colour)
{
    // Bit (2p + d) of (code - 1) is the result for pen bit p and destination bit d.
    const uint32_t table = static_cast<uint32_t>(code - 1) & 0xF;
    const uint32_t p = colour & 0xFFFFFF;
    const uint32_t all = 0xFFFFFF;
    auto bit = [&](int i) { return (table >> i) & 1u ? all : 0u; };
    TRop2 r;
    r.whenSet = (p & bit(3)) | (~p & all & bit(1));
    r.whenClear = (p & bit(2)) | (~p & all & bit(0));
    return r;
}

void LineCopy(const TTarget& t, TDevPoint a, TDevPoint b, TPixel colour)
{
    SolidLine(t, a, b, TCopyOp{colour});
}

void Line(const TTarget& t, TDevPoint a, TDevPoint b, const TStroke& stroke)
{
    if (stroke.dash == nullptr) {
        if (stroke.pen.IsCopy()) SolidLine(t, a, b, TCopyOp{0xFF000000u | stroke.pen.whenSet});
        else SolidLine(t, a, b, stroke.pen);
        return;
    }
    TDash& dash = *stroke.dash;
    const int64_t phase = dash.phase;
    WalkClipped(t.clip, a, b, [&](int64_t x, int64_t y, int64_t k) {
        const bool on = dash.on[(phase + k) % dash.period];
        if (on) stroke.pen.Apply(*t.At(x, y));
        else if (stroke.gap != nullptr) stroke.gap->Apply(*t.At(x, y));
    });
    const int64_t n = std::max(std::llabs(b.x - a.x), std::llabs(b.y - a.y));
    dash.phase = static_cast<int>((phase + n) % dash.period);
}
}  // namespace qvx::raster
