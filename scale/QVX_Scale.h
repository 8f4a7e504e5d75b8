#pragma once
// The axis scale engine and the scale control.

#include "scale/Scale.h"
#include "scale/ScaleDrag.h"
#include "scale/ScaleMath.h"
#include "scale/ScaleTypes.h"
#include "scale/TickLabels.h"
