#pragma once
// Enumerations declared with the scale control.

#include <cstdint>

namespace qvx {

// Anchor of a scale caption.
enum class TScaleUnitAnchor : uint8_t { uaSclTopLft, uaSclCenter, uaSclBotRgt };

}  // namespace qvx
