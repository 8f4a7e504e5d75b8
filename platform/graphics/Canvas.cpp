// TCanvas: pen, brush and clip state, lines, shapes and pixels. Text lives in
// CanvasText.cpp, bitmap copies in CanvasBlit.cpp.

#include "platform/graphics/Canvas.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "platform/graphics/FontEngine.h"
#include "platform/graphics/PixelKernels.h"

namespace qvx {

using raster::TDevPoint;
using raster::TDeviceRect;
using raster::TRop2;

namespace {

constexpr int64_t kMaxShapeCoord = 65536;
constexpr int64_t kMaxPenWidth = 65536;

// Classic two-operand mode codes, indexed by TPenMode.
constexpr std::array<int, 16> kRop2Codes = {1, 16, 11, 6, 13, 4, 14, 5, 12, 3, 15, 2, 9, 8, 7, 10};

template <size_t N>
struct DashTable {
    std::array<bool, N> on{};
    constexpr DashTable(std::initializer_list<int> runs)
    {
        size_t i = 0;
        bool state = true;
        for (int run : runs) {
            for (int k = 0; k < run; ++k) on[i++] = state;
            state = !state;
        }
    }
};

// Pixel patterns (on, off, ...) of the styled one-pixel pens.
constexpr DashTable<24> kDash{18, 6};
constexpr DashTable<6> kDot{3, 3};
constexpr DashTable<24> kDashDot{9, 6, 3, 6};
constexpr DashTable<24> kDashDotDot{9, 3, 3, 3, 3, 3};

bool DashFor(TPenStyle style, raster::TDash& dash)
{
    switch (style) {
    case TPenStyle::psDash: dash = {kDash.on.data(), 24, 0}; return true;
    case TPenStyle::psDot: dash = {kDot.on.data(), 6, 0}; return true;
    case TPenStyle::psDashDot: dash = {kDashDot.on.data(), 24, 0}; return true;
    case TPenStyle::psDashDotDot: dash = {kDashDotDot.on.data(), 24, 0}; return true;
    default: return false;
    }
}

int64_t ClampShape(int64_t v)
{
    return std::clamp(v, -kMaxShapeCoord, kMaxShapeCoord);
}

TDeviceRect Intersect(const TDeviceRect& a, const TDeviceRect& b)
{
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

TDeviceRect Normalised(int64_t l, int64_t t, int64_t r, int64_t b)
{
    return {std::min(l, r), std::min(t, b), std::max(l, r), std::max(t, b)};
}

// Half-plane and cross product comparison of directions, counter-clockwise
// on screen (y grows downward), starting at the positive x axis.
int Half(TDevPoint v)
{
    return (v.y < 0 || (v.y == 0 && v.x >= 0)) ? 0 : 1;
}

bool AngleLess(TDevPoint a, TDevPoint b)
{
    const int ha = Half(a), hb = Half(b);
    if (ha != hb) return ha < hb;
    // Screen y is flipped: a comes first when b lies counter-clockwise of a.
    return (__int128)a.x * (-b.y) - (__int128)(-a.y) * b.x > 0;
}

// Whether a comes before b going counter-clockwise from the direction ref.
bool RelLess(TDevPoint ref, TDevPoint a, TDevPoint b)
{
    const bool aWraps = AngleLess(a, ref), bWraps = AngleLess(b, ref);
    if (aWraps != bWraps) return bWraps;
    return AngleLess(a, b);
}

}  // namespace

TCanvas::TCanvas()
{
    FPen.OnChange = [this](TObject*) { FPenDirty = true; };
    FFont.OnChange = [this](TObject*) { FRealised = nullptr; };
}

TCanvas::TCanvas(TPixelBuffer* target) : TCanvas()
{
    FTarget = target;
}

TCanvas::~TCanvas() = default;

// --- State -----------------------------------------------------------------------

void TCanvas::SetClipRect(const TRect& logical)
{
    FClip = logical;
    FHasClip = true;
}

TRect TCanvas::ClipRect() const
{
    const TDeviceRect c = MakeTarget().clip;
    if (c.Empty()) return {};
    return {int32_t(c.left - FOrigin.X), int32_t(c.top - FOrigin.Y), int32_t(c.right - FOrigin.X),
            int32_t(c.bottom - FOrigin.Y)};
}

raster::TTarget TCanvas::MakeTarget() const
{
    raster::TTarget t;
    if (FTarget == nullptr) return t;
    t.bits = FTarget->Bits();
    t.stride = FTarget->Stride();
    t.clip = {0, 0, FTarget->Width(), FTarget->Height()};
    if (FHasClip) {
        t.clip = Intersect(t.clip, {int64_t(FClip.Left) + FOrigin.X, int64_t(FClip.Top) + FOrigin.Y,
                                    int64_t(FClip.Right) + FOrigin.X, int64_t(FClip.Bottom) + FOrigin.Y});
    }
    if (t.clip.Empty()) t.clip = {};
    return t;
}

TDevPoint TCanvas::Dev(int32_t x, int32_t y) const
{
    return {int64_t(x) + FOrigin.X, int64_t(y) + FOrigin.Y};
}

void TCanvas::RealisePen()
{
    if (!FPenDirty) return;
    FPenRop = TRop2::Make(kRop2Codes[size_t(FPen.Mode())], ColorToPixel(FPen.Color()));
    const bool solidStyle = FPen.Style() == TPenStyle::psSolid || FPen.Style() == TPenStyle::psInsideFrame;
    FPenSimple = CosmeticPen() && solidStyle && FPenRop.IsCopy();
    FPenFast = 0xFF000000u | FPenRop.whenSet;
    FPenDirty = false;
}

int64_t TCanvas::DeviceWidth() const
{
    return std::clamp<int64_t>(FPen.Width(), 1, kMaxPenWidth);
}

bool TCanvas::CosmeticPen() const
{
    return DeviceWidth() == 1;
}

TRop2 TCanvas::BrushOp() const
{
    return TRop2::Make(kRop2Codes[size_t(FPen.Mode())], ColorToPixel(FBrush.Color()));
}

raster::TStroke TCanvas::MakeStroke(raster::TDash& dash, TRop2& gap)
{
    RealisePen();
    raster::TStroke stroke;
    stroke.pen = FPenRop;
    if (CosmeticPen() && DashFor(FPen.Style(), dash)) {
        stroke.dash = &dash;
        if (FBrush.Style() == TBrushStyle::bsSolid) {
            gap = BrushOp();
            stroke.gap = &gap;
        }
    }
    return stroke;
}

// --- Outlines ----------------------------------------------------------------------

void TCanvas::StrokePath(std::span<const TDevPoint> path, bool closed)
{
    if (path.size() < 2 && !(closed && path.size() == 1)) return;
    if (!CosmeticPen()) {
        StrokeWide(path, closed);
        return;
    }
    raster::TDash dash;
    TRop2 gap;
    const raster::TStroke stroke = MakeStroke(dash, gap);
    const raster::TTarget t = MakeTarget();
    if (t.clip.Empty()) return;
    for (size_t i = 0; i + 1 < path.size(); ++i) raster::Line(t, path[i], path[i + 1], stroke);
    if (closed && path.size() > 1) raster::Line(t, path.back(), path.front(), stroke);
}

void TCanvas::StrokePixels(std::span<const TDevPoint> pixels)
{
    raster::TDash dash;
    TRop2 gap;
    const raster::TStroke stroke = MakeStroke(dash, gap);
    const raster::TTarget t = MakeTarget();
    for (size_t k = 0; k < pixels.size(); ++k) {
        const TDevPoint p = pixels[k];
        if (!t.clip.Contains(p.x, p.y)) continue;
        if (stroke.dash == nullptr || dash.on[k % size_t(dash.period)]) stroke.pen.Apply(*t.At(p.x, p.y));
        else if (stroke.gap != nullptr) stroke.gap->Apply(*t.At(p.x, p.y));
    }
}

void TCanvas::StrokeWide(std::span<const TDevPoint> path, bool closed)
{
    RealisePen();
    const raster::TTarget t = MakeTarget();
    const int64_t w = DeviceWidth();
    TDeviceRect box{path[0].x, path[0].y, path[0].x + 1, path[0].y + 1};
    for (const TDevPoint& p : path) box = {std::min(box.left, p.x), std::min(box.top, p.y),
                                           std::max(box.right, p.x + 1), std::max(box.bottom, p.y + 1)};
    box = Intersect({box.left - w, box.top - w, box.right + w, box.bottom + w}, t.clip);
    if (box.Empty()) return;
    FMask.Reset(box);
    if (path.size() == 1) raster::AddDisc(path[0].x, path[0].y, w, FMask);
    for (size_t i = 0; i + 1 < path.size(); ++i) raster::AddWideSegment(path[i], path[i + 1], w, FMask);
    if (closed && path.size() > 2) raster::AddWideSegment(path.back(), path.front(), w, FMask);
    PaintMask(FMask, FPenRop);
}

void TCanvas::PaintMask(const raster::TMask& mask, const TRop2& op)
{
    const raster::TTarget t = MakeTarget();
    if (op.IsCopy()) mask.Paint(t, raster::TCopyOp{0xFF000000u | op.whenSet});
    else mask.Paint(t, op);
}

void TCanvas::FillDeviceRect(TDeviceRect r, const TRop2& op)
{
    const raster::TTarget t = MakeTarget();
    r = Intersect(r, t.clip);
    if (r.Empty()) return;
    if (op.IsCopy()) {
        const TPixel colour = 0xFF000000u | op.whenSet;
        if (r.left == 0 && r.right == t.stride) {  // whole rows: one contiguous run
            kernels::FillPixels(t.At(0, r.top), size_t((r.bottom - r.top) * t.stride), colour);
            return;
        }
        for (int64_t y = r.top; y < r.bottom; ++y) kernels::FillPixels(t.At(r.left, y), size_t(r.right - r.left), colour);
        return;
    }
    for (int64_t y = r.top; y < r.bottom; ++y) {
        TPixel* row = t.At(0, y);
        for (int64_t x = r.left; x < r.right; ++x) op.Apply(row[x]);
    }
}

// --- Lines -------------------------------------------------------------------------

void TCanvas::LineTo(int32_t X, int32_t Y)
{
    if (FPenDirty) RealisePen();
    if (FTarget != nullptr) {
        const TDevPoint a = Dev(FPenPos.X, FPenPos.Y), b = Dev(X, Y);
        if (FPenSimple) {
            raster::LineCopy(MakeTarget(), a, b, FPenFast);
        } else if (PenVisible()) {
            const TDevPoint path[2] = {a, b};
            StrokePath(path, false);
        }
    }
    FPenPos = {X, Y};
}

void TCanvas::Polyline(std::span<const TPoint> points)
{
    if (FTarget == nullptr || !PenVisible() || points.size() < 2) return;
    FScratch.clear();
    for (const TPoint& p : points) FScratch.push_back(Dev(p.X, p.Y));
    StrokePath(FScratch, false);
}

void TCanvas::Polygon(std::span<const TPoint> points)
{
    if (FTarget == nullptr || points.size() < 2) return;
    RealisePen();
    FScratch.clear();
    for (const TPoint& p : points) FScratch.push_back(Dev(p.X, p.Y));
    const raster::TTarget t = MakeTarget();
    if (t.clip.Empty()) return;
    const bool fill = FBrush.Style() != TBrushStyle::bsClear && points.size() > 2;
    const bool wide = PenVisible() && !CosmeticPen();
    if (fill) {
        std::vector<TDevPoint> fixed(FScratch.size());
        for (size_t i = 0; i < fixed.size(); ++i)
            fixed[i] = {FScratch[i].x << raster::kFixShift, FScratch[i].y << raster::kFixShift};
        TDeviceRect bounds{FScratch[0].x, FScratch[0].y, FScratch[0].x, FScratch[0].y};
        for (const TDevPoint& p : FScratch) {
            bounds = {std::min(bounds.left, p.x), std::min(bounds.top, p.y), std::max(bounds.right, p.x),
                      std::max(bounds.bottom, p.y)};
        }
        FMask2.Reset(Intersect(bounds, t.clip));  // fills never reach the right/bottom-most vertex
        raster::FillPolygon(fixed, true, FMask2);
        if (wide) {
            StrokeWide(FScratch, true);  // paints the band and leaves it in FMask
            FMask2.Remove(FMask);
            PaintMask(FMask2, BrushOp());
            return;
        }
        PaintMask(FMask2, BrushOp());
    }
    if (PenVisible()) StrokePath(FScratch, true);
}

// --- Rectangles ----------------------------------------------------------------------

TDeviceRect TCanvas::InsideFrameBox(TDeviceRect box) const
{
    if (FPen.Style() != TPenStyle::psInsideFrame || CosmeticPen()) return box;
    const int64_t w = DeviceWidth();
    box.left += w / 2;
    box.top += w / 2;
    box.right -= (w - 1) / 2;
    box.bottom -= (w - 1) / 2;
    return box;
}

void TCanvas::FillRect(const TRect& r)
{
    if (FTarget == nullptr || FBrush.Style() == TBrushStyle::bsClear) return;
    const TDevPoint a = Dev(r.Left, r.Top), b = Dev(r.Right, r.Bottom);
    FillDeviceRect({a.x, a.y, b.x, b.y}, TRop2::Make(13, ColorToPixel(FBrush.Color())));
}

void TCanvas::Rectangle(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2)
{
    if (FTarget == nullptr) return;
    const TDevPoint a = Dev(X1, Y1), b = Dev(X2, Y2);
    RectangleDevice(Normalised(a.x, a.y, b.x, b.y));
}

void TCanvas::RectangleDevice(TDeviceRect box)
{
    RealisePen();
    box = InsideFrameBox(box);
    if (box.Empty()) return;
    const bool fill = FBrush.Style() != TBrushStyle::bsClear;
    const int64_t l = box.left, t = box.top, r = box.right, btm = box.bottom;
    if (!PenVisible()) {
        if (fill) FillDeviceRect({l, t, r - 1, btm - 1}, BrushOp());
        return;
    }
    if (!CosmeticPen()) {
        const TDevPoint path[4] = {{l, t}, {r - 1, t}, {r - 1, btm - 1}, {l, btm - 1}};
        StrokeWide(path, true);
        if (fill) {
            const raster::TTarget tg = MakeTarget();
            FMask2.Reset(Intersect({l, t, r - 1, btm - 1}, tg.clip));
            for (int64_t y = FMask2.Box().top; y < FMask2.Box().bottom; ++y)
                FMask2.AddSpan(y, FMask2.Box().left, FMask2.Box().right);
            FMask2.Remove(FMask);
            PaintMask(FMask2, BrushOp());
        }
        return;
    }
    if (fill) FillDeviceRect({l + 1, t + 1, r - 1, btm - 1}, BrushOp());
    // Outline in drawing order: from the top-right corner left along the top,
    // down the left side, right along the bottom and up the right side, each
    // pixel once (the path of four end-exclusive segments). A one-pixel-thin
    // rectangle is a single line, so no pixel is painted twice.
    if (btm - t == 1) {
        const TDevPoint path[2] = {{r - 1, t}, {l - 1, t}};
        StrokePath(path, false);
    } else if (r - l == 1) {
        const TDevPoint path[2] = {{l, t}, {l, btm}};
        StrokePath(path, false);
    } else {
        const TDevPoint path[4] = {{r - 1, t}, {l, t}, {l, btm - 1}, {r - 1, btm - 1}};
        StrokePath(path, true);
    }
}

// --- Ellipses and arcs -----------------------------------------------------------------

void TCanvas::Ellipse(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2)
{
    if (FTarget == nullptr) return;
    const TDevPoint a = Dev(X1, Y1), b = Dev(X2, Y2);
    EllipseOrArc(Normalised(ClampShape(a.x), ClampShape(a.y), ClampShape(b.x), ClampShape(b.y)), false, {}, {});
}

void TCanvas::Arc(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2, int32_t X3, int32_t Y3, int32_t X4, int32_t Y4)
{
    if (FTarget == nullptr || !PenVisible()) return;
    const TDevPoint a = Dev(X1, Y1), b = Dev(X2, Y2);
    EllipseOrArc(Normalised(ClampShape(a.x), ClampShape(a.y), ClampShape(b.x), ClampShape(b.y)), true, Dev(X3, Y3),
                 Dev(X4, Y4));
}

void TCanvas::EllipseOrArc(TDeviceRect box, bool arc, TDevPoint start, TDevPoint end)
{
    RealisePen();
    if (!arc && (box.right - box.left <= 2 || box.bottom - box.top <= 2)) {
        RectangleDevice(box);
        return;
    }
    const raster::TTarget target = MakeTarget();
    const int64_t reach = DeviceWidth();
    if (Intersect({box.left - reach, box.top - reach, box.right + reach, box.bottom + reach}, target.clip).Empty())
        return;  // nothing of it can show
    const TDevPoint centre{box.left + (box.right - box.left) / 2, box.top + (box.bottom - box.top) / 2};
    box = InsideFrameBox(box);
    if (box.Empty()) return;
    std::vector<TDevPoint>& loop = FOutline;
    loop.clear();
    if (box.right - box.left >= 3 && box.bottom - box.top >= 3) {
        raster::EllipseOutline(box.left, box.top, box.right, box.bottom, loop);
    } else {
        // Too thin for an ellipse: the arc runs along the box outline.
        for (int64_t x = box.right - 1; x >= box.left; --x) loop.push_back({x, box.top});
        for (int64_t y = box.top + 1; y < box.bottom; ++y) loop.push_back({box.left, y});
    }
    const raster::TTarget t = MakeTarget();
    if (t.clip.Empty()) return;

    if (arc) {
        const TDevPoint s{start.x - centre.x, start.y - centre.y};
        const TDevPoint e{end.x - centre.x, end.y - centre.y};
        auto dir = [&](TDevPoint p) { return TDevPoint{p.x - centre.x, p.y - centre.y}; };
        size_t first = 0;
        for (size_t i = 1; i < loop.size(); ++i)
            if (RelLess(s, dir(loop[i]), dir(loop[first]))) first = i;
        const bool whole = !AngleLess(s, e) && !AngleLess(e, s);
        FScratch.clear();
        for (size_t n = 0; n < loop.size(); ++n) {
            const TDevPoint p = loop[(first + n) % loop.size()];
            if (!whole && !RelLess(s, dir(p), e)) break;
            FScratch.push_back(p);
        }
        if (CosmeticPen()) {
            if (!FScratch.empty()) FScratch.pop_back();  // an open path leaves out its last pixel
            StrokePixels(FScratch);
        } else if (!FScratch.empty()) {
            const int64_t w = DeviceWidth();
            FMask.Reset(Intersect({box.left - w, box.top - w, box.right + w, box.bottom + w}, t.clip));
            for (const TDevPoint& p : FScratch) raster::AddDisc(p.x, p.y, w, FMask);
            PaintMask(FMask, FPenRop);
        }
        return;
    }

    // Per row: the outermost outline pixels and the inner edges of the left
    // and right outline runs; the interior lies strictly between those edges.
    const int64_t rows = box.bottom - box.top;
    std::vector<int64_t> minAll(size_t(rows), INT64_MAX), maxAll(size_t(rows), INT64_MIN);
    std::vector<int64_t> leftMax(size_t(rows), INT64_MIN), rightMin(size_t(rows), INT64_MAX);
    const int64_t mid2 = box.left + box.right - 1;  // twice the centre column
    for (const TDevPoint& p : loop) {
        const size_t row = size_t(p.y - box.top);
        minAll[row] = std::min(minAll[row], p.x);
        maxAll[row] = std::max(maxAll[row], p.x);
        if (2 * p.x <= mid2) leftMax[row] = std::max(leftMax[row], p.x);
        else rightMin[row] = std::min(rightMin[row], p.x);
    }
    const bool fill = FBrush.Style() != TBrushStyle::bsClear;
    const TDeviceRect fillBox = Intersect(box, t.clip);
    if (!PenVisible() || !CosmeticPen()) {
        if (PenVisible()) {
            const int64_t w = DeviceWidth();
            FMask.Reset(Intersect({box.left - w, box.top - w, box.right + w, box.bottom + w}, t.clip));
            for (const TDevPoint& p : loop) raster::AddDisc(p.x, p.y, w, FMask);
        }
        if (fill && !fillBox.Empty()) {
            FMask2.Reset(fillBox);
            for (int64_t y = fillBox.top; y < fillBox.bottom; ++y) {
                const size_t row = size_t(y - box.top);
                if (minAll[row] <= maxAll[row]) FMask2.AddSpan(y, minAll[row], maxAll[row] + 1);
            }
            if (PenVisible()) FMask2.Remove(FMask);
            PaintMask(FMask2, BrushOp());
        }
        if (PenVisible()) PaintMask(FMask, FPenRop);
        return;
    }
    if (fill && !fillBox.Empty()) {
        const TRop2 op = BrushOp();
        for (int64_t y = fillBox.top; y < fillBox.bottom; ++y) {
            const size_t row = size_t(y - box.top);
            if (leftMax[row] == INT64_MIN || rightMin[row] == INT64_MAX) continue;
            FillDeviceRect({leftMax[row] + 1, y, rightMin[row], y + 1}, op);
        }
    }
    StrokePixels(loop);
}

// --- Pixels ----------------------------------------------------------------------------

TColor TCanvas::Pixels(int32_t X, int32_t Y) const
{
    const raster::TTarget t = MakeTarget();
    const TDevPoint p = Dev(X, Y);
    if (!t.clip.Contains(p.x, p.y)) return CLR_INVALID;
    return PixelToColor(*t.At(p.x, p.y));
}

void TCanvas::SetPixels(int32_t X, int32_t Y, TColor value)
{
    const raster::TTarget t = MakeTarget();
    const TDevPoint p = Dev(X, Y);
    if (!t.clip.Contains(p.x, p.y)) return;
    TRop2::Make(kRop2Codes[size_t(FPen.Mode())], ColorToPixel(value)).Apply(*t.At(p.x, p.y));
}

}  // namespace qvx
