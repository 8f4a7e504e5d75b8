#pragma once
// The range arithmetic of dragging on an axis scale, shared by the chart's
// axis strips and the scale control.

#include <cstdint>

#include "base/Enums.h"

namespace qvx {

struct TScaleDragInput {
    int32_t X = 0, Y = 0;    // pointer now
    int32_t X0 = 0, Y0 = 0;  // pointer when the drag was armed
    int32_t Width = 0, Height = 0;
    int32_t MarginLeft = 0, MarginRight = 0, MarginTop = 0, MarginBottom = 0;
    double Low0 = 0, High0 = 0;  // range when armed
    TMouseActMode Action = TMouseActMode::maNone;
    TScaleType ScaleType = TScaleType::sctXB;
    bool Logarithmic = false;
    double Low = 0, High = 0;  // range now
};

// maPan shifts, maZoom moves the end of the scale in the half where the drag
// started, maZoomDrag zooms about the centre; every result derives from the
// range at arming. Returns false (outputs untouched) for any other action.
bool ScaleDragRange(const TScaleDragInput& in, double& NewLow, double& NewHigh);

}  // namespace qvx
