#pragma once
// Event types of the base unit.

#include <cstdint>
#include <functional>

#include "platform/core/Object.h"

namespace qvx {

// Sender: the control whose axis ranges a mouse action changed.
using TZoomPanEvent = std::function<void(TObject* Sender)>;

// The corners of a dragged window in the world coordinates of Layer (1..16).
using TSelectRectEvent =
    std::function<void(TObject* Sender, int32_t Layer, double LoX, double LoY, double HiX, double HiY)>;

}  // namespace qvx
