#pragma once
// The chart component.

#include "chart/BakGndImg.h"
#include "chart/ChartEvents.h"
#include "chart/ChartItem.h"
#include "chart/ChartTypes.h"
#include "chart/ItemList.h"
#include "chart/JointLayers.h"
#include "chart/Kurvex.h"
#include "chart/ScaleProps.h"
#include "chart/TextLabel.h"
