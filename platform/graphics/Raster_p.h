#pragma once
// Private raster core of the canvas. Everything here works in device pixels
// (the target buffer's own coordinates), in 64-bit integers so that any
// 32-bit logical coordinate plus an origin offset is representable, and
// never writes outside `clip`.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/graphics/Color.h"

namespace qvx::raster {

struct TDeviceRect {
    int64_t left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
    bool Empty() const { return right <= left || bottom <= top; }
    bool Contains(int64_t x, int64_t y) const { return x >= left && x < right && y >= top && y < bottom; }
};

struct TTarget {
    TPixel* bits = nullptr;
    int64_t stride = 0;  // pixels per row
    TDeviceRect clip;    // already inside the buffer
    TPixel* At(int64_t x, int64_t y) const { return bits + y * stride + x; }
};

struct TDevPoint {
    int64_t x = 0, y = 0;
    friend bool operator==(const TDevPoint&, const TDevPoint&) = default;
};

// A binary raster operation with a constant source colour P, folded into two
// masks: result = (D & keep) | (~D & flip), alpha forced opaque. Any of the 16
// two-operand modes has this form.
struct TRop2 {
    uint32_t whenSet = 0;    // result bits where D is 1
    uint32_t whenClear = 0;  // result bits where D is 0
    // code: the classic 1..16 numbering (1 = black, 7 = xor, 13 = copy, 16 = white)
    static TRop2 Make(int code, TPixel colour);
    bool IsCopy() const { return whenSet == whenClear; }
    void Apply(TPixel& d) const { d = 0xFF000000u | (d & whenSet) | (~d & whenClear); }
};

struct TCopyOp {
    TPixel colour;
    void Apply(TPixel& d) const { d = colour; }
};

// The on/off pattern of a styled cosmetic pen, one entry per pixel of a
// period, plus the phase reached so far in the current call.
struct TDash {
    const bool* on = nullptr;  // on[i] for i in [0, period)
    int period = 0;
    int phase = 0;
};

// How a one-pixel outline paints: the pen's operation, and for styled pens the
// pattern and the operation for gap pixels (absent when the brush is clear).
struct TStroke {
    TRop2 pen;
    TDash* dash = nullptr;
    const TRop2* gap = nullptr;
};

// --- Lines ----------------------------------------------------------------

// One-pixel line from a to b without the pixel at b. The pixel set is the
// classic one: per major-axis step the minor coordinate is the exact ordinate
// rounded to nearest with halves toward the smaller value; the same for
// either direction apart from the omitted end. Styled strokes consume one
// pattern unit per drawn (or clipped) pixel and leave dash->phase advanced.
void Line(const TTarget& t, TDevPoint a, TDevPoint b, const TStroke& stroke);

// Solid copy of one colour: the hot path for plain curves.
void LineCopy(const TTarget& t, TDevPoint a, TDevPoint b, TPixel colour);


// --- Coverage masks (wide pens, fills) ------------------------------------

// A set of pixels inside a clip-bounded box, painted in one pass so that
// overlapping pieces of one figure combine with the destination only once.
class TMask {
public:
    void Reset(const TDeviceRect& box);  // box is clipped by the caller
    const TDeviceRect& Box() const { return FBox; }
    void AddSpan(int64_t y, int64_t x0, int64_t x1);  // [x0, x1), clipped to the box
    bool Test(int64_t x, int64_t y) const;
    void Remove(const TMask& other);                  // pixels of other leave this mask
    template <class Op> void Paint(const TTarget& t, const Op& op) const;

private:
    TDeviceRect FBox;
    std::vector<uint8_t> FBits;
};

template <class Op>
void TMask::Paint(const TTarget& t, const Op& op) const
{
    const int64_t w = FBox.right - FBox.left;
    for (int64_t y = FBox.top; y < FBox.bottom; ++y) {
        const uint8_t* row = FBits.data() + (y - FBox.top) * w;
        TPixel* dst = t.At(FBox.left, y);
        for (int64_t i = 0; i < w; ++i) {
            if (row[i]) op.Apply(dst[i]);
        }
    }
}

// Fills a polygon given in 1/256-pixel fixed point into the mask: a pixel is
// inside when its centre point (x, y) is, edges on the top/left count as
// inside, bottom/right as outside. evenOdd selects the alternate rule,
// otherwise non-zero winding.
constexpr int kFixShift = 8;
void FillPolygon(std::span<const TDevPoint> fixedPoints, bool evenOdd, TMask& mask);

// A round pen tip of diameter w around the pixel (x, y), covering the same w
// rows and columns as a band of width w centred there.
void AddDisc(int64_t x, int64_t y, int64_t w, TMask& mask);

// A band of width w along a->b (a polygon offset by w/2 each side) plus discs
// at both ends.
void AddWideSegment(TDevPoint a, TDevPoint b, int64_t w, TMask& mask);

// --- Ellipses ---------------------------------------------------------------

// Outline pixels of the ellipse inscribed in [l, r) x [t, b), in
// counter-clockwise screen order starting at the rightmost pixel of the middle
// row, each pixel once. The box must be at least 3 x 3.
void EllipseOutline(int64_t l, int64_t t, int64_t r, int64_t b, std::vector<TDevPoint>& out);

}  // namespace qvx::raster
