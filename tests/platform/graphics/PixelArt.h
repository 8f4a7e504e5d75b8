#pragma once
// Small-bitmap fixtures for pixel tests: a white bitmap, and its pixels read
// back as rows of characters ('#' for the pen colour, 'o' for the brush
// colour, '.' for untouched white, '?' for anything else).

#include <string>
#include <vector>

#include "platform/graphics/Bitmap.h"

namespace qvx::testing {

inline std::vector<std::string> Art(TBitmap& bmp, TColor pen = clBlack, TColor brush = clRed)
{
    std::vector<std::string> rows;
    for (int y = 0; y < bmp.Height(); ++y) {
        std::string row;
        for (int x = 0; x < bmp.Width(); ++x) {
            const TColor c = bmp.Canvas()->Pixels(x, y);
            row += c == pen ? '#' : c == brush ? 'o' : c == clWhite ? '.' : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

// Coordinates of all pixels that are not white, row by row.
inline std::vector<std::pair<int, int>> Marked(TBitmap& bmp)
{
    std::vector<std::pair<int, int>> out;
    for (int y = 0; y < bmp.Height(); ++y)
        for (int x = 0; x < bmp.Width(); ++x)
            if (bmp.Canvas()->Pixels(x, y) != clWhite) out.emplace_back(x, y);
    return out;
}

}  // namespace qvx::testing
