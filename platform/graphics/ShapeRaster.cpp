// Coverage masks, polygon scan conversion, round pen tips and ellipse
// outlines for the canvas.

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/graphics/Raster_p.h"

namespace qvx::raster {

namespace {

using i128 = __int128;

int64_t CeilDiv(i128 num, i128 den)
{
    if (den < 0) {
        num = -num;
        den = -den;
    }
    i128 q = num / den;
    if ((num % den) != 0 && num > 0) ++q;
    return static_cast<int64_t>(q);
}

int64_t ISqrt(int64_t v)  // floor(sqrt(v)), v >= 0
{
    auto r = static_cast<int64_t>(std::sqrt(static_cast<double>(v)));
    while (r > 0 && r * r > v) --r;
    while ((r + 1) * (r + 1) <= v) ++r;
    return r;
}

struct Crossing {
    int64_t x;
    int dir;
    bool operator<(const Crossing& o) const { return x < o.x; }
};

}  // namespace

// --- TMask --------------------------------------------------------------------

void TMask::Reset(const TDeviceRect& box)
{
    FBox = box.Empty() ? TDeviceRect{} : box;
    FBits.assign(size_t((FBox.right - FBox.left) * (FBox.bottom - FBox.top)), 0);
}

void TMask::AddSpan(int64_t y, int64_t x0, int64_t x1)
{
    if (y < FBox.top || y >= FBox.bottom) return;
    x0 = std::max(x0, FBox.left);
    x1 = std::min(x1, FBox.right);
    if (x0 >= x1) return;
    uint8_t* row = FBits.data() + (y - FBox.top) * (FBox.right - FBox.left);
    std::fill(row + (x0 - FBox.left), row + (x1 - FBox.left), uint8_t{1});
}

bool TMask::Test(int64_t x, int64_t y) const
{
    if (!FBox.Contains(x, y)) return false;
    return FBits[size_t((y - FBox.top) * (FBox.right - FBox.left) + (x - FBox.left))] != 0;
}

void TMask::Remove(const TMask& other)
{
    for (int64_t y = FBox.top; y < FBox.bottom; ++y) {
        for (int64_t x = FBox.left; x < FBox.right; ++x) {
            if (other.Test(x, y)) FBits[size_t((y - FBox.top) * (FBox.right - FBox.left) + (x - FBox.left))] = 0;
        }
    }
}

// --- Polygons -------------------------------------------------------------------

void FillPolygon(std::span<const TDevPoint> pts, bool evenOdd, TMask& mask)
{
    const TDeviceRect& box = mask.Box();
    if (pts.size() < 3 || box.Empty()) return;
    int64_t minY = pts[0].y, maxY = pts[0].y;
    for (const TDevPoint& p : pts) {
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    // Rows whose centre (y << kFixShift) lies in [minY, maxY).
    const int64_t one = int64_t(1) << kFixShift;
    const int64_t rowFirst = std::max(box.top, CeilDiv(minY, one));
    const int64_t rowEnd = std::min(box.bottom, CeilDiv(maxY, one));
    std::vector<Crossing> xs;
    for (int64_t row = rowFirst; row < rowEnd; ++row) {
        const int64_t Y = row * one;
        xs.clear();
        for (size_t i = 0; i < pts.size(); ++i) {
            const TDevPoint& p = pts[i];
            const TDevPoint& q = pts[(i + 1) % pts.size()];
            if (p.y == q.y) continue;
            const bool down = q.y > p.y;
            const int64_t y0 = down ? p.y : q.y, y1 = down ? q.y : p.y;
            if (Y < y0 || Y >= y1) continue;
            // Column of the first pixel centre at or right of the crossing.
            const i128 num = i128(p.x) * (q.y - p.y) + i128(Y - p.y) * (q.x - p.x);
            xs.push_back({CeilDiv(num, i128(q.y - p.y) * one), down ? 1 : -1});
        }
        std::sort(xs.begin(), xs.end());
        int winding = 0;
        for (size_t i = 0; i + 1 < xs.size(); ++i) {
            winding += evenOdd ? 1 : xs[i].dir;
            const bool inside = evenOdd ? (winding & 1) != 0 : winding != 0;
            if (inside) mask.AddSpan(row, xs[i].x, xs[i + 1].x);
        }
    }
}

void AddDisc(int64_t x, int64_t y, int64_t w, TMask& mask)
{
    const int64_t x0 = x - w / 2, y0 = y - w / 2;
    const TDeviceRect& box = mask.Box();
    const int64_t jFirst = std::max<int64_t>(0, box.top - y0);
    const int64_t jEnd = std::min<int64_t>(w, box.bottom - y0);
    // Pixel (i, j) of the w x w cell is on the tip when
    // (2i - (w-1))^2 + (2j - (w-1))^2 <= w^2.
    for (int64_t j = jFirst; j < jEnd; ++j) {
        const int64_t dj = 2 * j - (w - 1);
        const int64_t rem = w * w - dj * dj;
        if (rem < 0) continue;
        const int64_t t = ISqrt(rem);
        const int64_t iLo = CeilDiv(w - 1 - t, 2);
        const int64_t iHi = (w - 1 + t) / 2;  // w - 1 + t >= 0
        mask.AddSpan(y0 + j, x0 + iLo, x0 + iHi + 1);
    }
}

void AddWideSegment(TDevPoint a, TDevPoint b, int64_t w, TMask& mask)
{
    AddDisc(a.x, a.y, w, mask);
    AddDisc(b.x, b.y, w, mask);
    if (a == b) return;
    const double dx = double(b.x - a.x), dy = double(b.y - a.y);
    const double len = std::hypot(dx, dy);
    const double scale = double(w) / 2.0 / len * double(int64_t(1) << kFixShift);
    const auto nx = static_cast<int64_t>(std::llround(-dy * scale));
    const auto ny = static_cast<int64_t>(std::llround(dx * scale));
    const TDevPoint fa{a.x << kFixShift, a.y << kFixShift};
    const TDevPoint fb{b.x << kFixShift, b.y << kFixShift};
    const TDevPoint quad[4] = {{fa.x + nx, fa.y + ny}, {fb.x + nx, fb.y + ny},
                               {fb.x - nx, fb.y - ny}, {fa.x - nx, fa.y - ny}};
    FillPolygon(quad, true, mask);
}

// --- Ellipses ---------------------------------------------------------------------

void EllipseOutline(int64_t l, int64_t t, int64_t r, int64_t b, std::vector<TDevPoint>& out)
{
    // Midpoint walk of one quadrant, mirrored into the other three; the
    // quadrant lists are kept in walking order and joined counter-clockwise.
    int64_t x0 = l, x1 = r - 1, y0 = t, y1 = b - 1;
    const int64_t a = x1 - x0, bb = y1 - y0, b1 = bb & 1;
    int64_t dx = 4 * (1 - a) * bb * bb, dy = 4 * (b1 + 1) * a * a;
    int64_t err = dx + dy + b1 * a * a;
    y0 += (bb + 1) / 2;
    y1 = y0 - b1;
    const int64_t a8 = 8 * a * a, b8 = 8 * bb * bb;

    std::vector<TDevPoint> q1, q2, q3, q4;  // lower right, lower left, upper left, upper right
    do {
        q4.push_back({x1, y1});
        if (y0 != y1) q1.push_back({x1, y0});
        if (x0 != x1) {
            q3.push_back({x0, y1});
            if (y0 != y1) q2.push_back({x0, y0});
        }
        const int64_t e2 = 2 * err;
        if (e2 <= dy) {
            ++y0;
            --y1;
            err += dy += a8;
        }
        if (e2 >= dx || 2 * err > dy) {
            ++x0;
            --x1;
            err += dx += b8;
        }
    } while (x0 <= x1);
    while (y0 - y1 <= bb) {  // flat ellipses stop early: finish the tips
        q4.push_back({x1 + 1, y1});
        q1.push_back({x1 + 1, y0});
        if (x0 - 1 != x1 + 1) {
            q3.push_back({x0 - 1, y1});
            q2.push_back({x0 - 1, y0});
        }
        ++y0;
        --y1;
    }

    out.clear();
    out.reserve(q1.size() + q2.size() + q3.size() + q4.size());
    auto push = [&](TDevPoint p) {
        if (out.empty() || !(out.back() == p)) out.push_back(p);
    };
    for (const TDevPoint& p : q4) push(p);
    for (auto it = q3.rbegin(); it != q3.rend(); ++it) push(*it);
    for (const TDevPoint& p : q2) push(p);
    for (auto it = q1.rbegin(); it != q1.rend(); ++it) push(*it);
    if (out.size() > 1 && out.back() == out.front()) out.pop_back();
}

}  // namespace qvx::raster
