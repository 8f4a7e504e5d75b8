#pragma once
// Enumerations declared with the chart. The order of the values is part of
// the contract: stored settings and the code compare ordinals.

#include <cstdint>

namespace qvx {

enum class TScaleLocationHoriz : uint8_t { slTop, slBottom };
enum class TScaleLocationVert : uint8_t { slLeft, slRight };

// Anchors of the chart caption.
enum class TCaptionAnchorHoriz : uint8_t { cahControlLeft, cahChartLeft, cahChartCenter, cahChartRight, cahControlRight };
enum class TCaptionAnchorVert : uint8_t { cavControlTop, cavChartTop, cavChartCenter, cavChartBottom, cavControlBottom };

// Coloured background area of the plot.
enum class TBGAreaMode : uint8_t {
    bamNone, bamLeft, bamRight, bamTop, bamBottom, bamVStripe, bamHStripe, bamRect, bamRectInv, bamVStripeInv,
    bamHStripeInv
};

enum class GridStyleType : uint8_t {
    gsNone, gsPoints, gsVertLines, gsHorizLines, gsLines, gsHorizDotLines, gsVertDotLines, gsDotLines
};

// Standard scale layouts.
enum class TkxLayout : uint8_t {
    kxl_X1Bottom_Y1Left, kxl_X1Bottom_Y2Left, kxl_X1Bottom_Y3Left, kxl_X1Bottom_Y4Left, kxl_X1Bottom_Y2Both,
    kxl_X2Bottom_Y2Left, kxl_X2Both_Y2Both
};

// Background of text items.
enum class TTextBkg : uint8_t { tbClear, tbSolid };

// The select-box interaction: idle, waiting for the first corner, dragging, done.
enum class TMouseState : uint8_t { msNormal, msFirstCorner, msRectDraw, msFinished };
// The window-drag interaction: idle, window being dragged.
enum class TZoomState : uint8_t { zsNormal, zsDrawWin };

}  // namespace qvx
