#pragma once
// The pack's 3-D frame routine, shared by the numeric label and the scale
// control. It changes only the canvas's pen colour.

#include <cstdint>

#include "base/Enums.h"
#include "platform/graphics/Canvas.h"

namespace qvx {

// fsSimple outlines the rectangle in Outline; the bevelled styles draw two
// rings of one pixel: outer top/left A, outer bottom/right B, inner top/left
// C, inner bottom/right D, with (A, B, C, D) = lowered (Shadow, Light, Dark,
// Face), raised (Light, Dark, Face, Shadow), embossed (Light, Shadow,
// Shadow, Light), engraved (Shadow, Light, Light, Shadow). Right and Bottom
// are the outer ring's own columns and rows.
void DrawFrame3D(TCanvas& Canvas, TFrameStyle Style, int32_t Left, int32_t Top, int32_t Right, int32_t Bottom,
                 TColor Light, TColor Face, TColor Shadow, TColor Dark, TColor Outline);

}  // namespace qvx
