#pragma once
// Event types of the chart.

#include <cstdint>
#include <functional>
#include <string>

#include "chart/ChartItem.h"
#include "platform/controls/ControlTypes.h"
#include "platform/graphics/Canvas.h"

namespace qvx {

class TCrossHair;
class TTextLabel;

using TMouseMoveInChartEvent =
    std::function<void(TObject* Sender, bool InChart, TShiftState Shift, double rMousePosX, double rMousePosY)>;
using TBeforeCrossHMoveEvent =
    std::function<void(TObject* Sender, TCrossHair* WhichCrossHair, int32_t dx, int32_t dy, bool& AllowMove)>;
using TCrossHairMoveEvent = std::function<void(TObject* Sender, TCrossHair* WhichCrossHair)>;
using TTextLabelMoveEvent = std::function<void(TObject* Sender, TTextLabel* WhichTextLabel)>;
using TRenderEvent = std::function<void(TObject* Sender, TCanvas* Canvas, int32_t Top, int32_t Left)>;
using TBeforeRenderCItemEvent =
    std::function<void(TObject* Sender, TkxChartItem& ChartItem, int32_t Index, bool IsAnnotation)>;
using TBeforeRenderTextEvent =
    std::function<void(TObject* Sender, std::string& Text, int32_t Index, bool IsAnnotation)>;

}  // namespace qvx
