#pragma once
// Integer geometry of the canvas: pixel points, sizes and rectangles whose
// right and bottom edges are exclusive.

#include <cstdint>

namespace qvx {

struct TPoint {
    int32_t X = 0;
    int32_t Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
    int32_t cx = 0;
    int32_t cy = 0;
    friend bool operator==(const TSize&, const TSize&) = default;
};

struct TRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;
    int64_t Width() const { return int64_t(Right) - Left; }
    int64_t Height() const { return int64_t(Bottom) - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

inline TPoint Point(int32_t x, int32_t y) { return {x, y}; }
inline TRect Rect(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    return {left, top, right, bottom};
}

}  // namespace qvx
