#pragma once
// The chart's own mouse cursors, registered with Screen as numbers 1 to 4:
// CURHAND (pan), CURZOOMW (zoom window), CURZOOMD (zoom by dragging),
// CURZOOMP (zoom at a point).

#include "platform/controls/ControlTypes.h"

namespace qvx {

constexpr TCursor crKxHand = 1;
constexpr TCursor crKxZoomWindow = 2;
constexpr TCursor crKxZoomDrag = 3;
constexpr TCursor crKxZoomPoint = 4;

// Registers the four cursors (again) with Screen.
void LoadChartCursors();

}  // namespace qvx
