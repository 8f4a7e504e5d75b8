#include "chart/ScaleProps.h"

#include <algorithm>
#include <cmath>

namespace qvx {

namespace {

// Below this a bound is treated as non-positive on a logarithmic axis.
constexpr double LogFloor = 1e-100;

}  // namespace

TScaleProps::TScaleProps()
{
    FFont.OnChange = [this](TObject*) { FontChanged(); };
    TScaleProps::InitDefaults();
}

void TScaleProps::FontChanged()
{
    if (FFontMuted == 0) Changed();
}

void TScaleProps::InitDefaults()
{
    FCaption.clear();
    FCaptionPosX = 0;
    FCaptionPosY = 0;
    FCaptionAlignment = TAlignment::taCenter;
    FCaptionAnchor = TScaleUnitAnchor::uaSclTopLft;
    FColorScale = 0;
    FDecPlaces = -2;
    FLogarithmic = false;
    FLabelType = TFigType::ftNum;
    FMinTicks = 3;
    FMinRange = 1e-10;
    FMouseAction = TMouseActMode::maNone;
    FRangeLow = 0;
    FRangeHigh = 1;
    FShortTicks = true;
    FScaleInscript.clear();
    FUserTickText.clear();
    FVisible = false;
    FScaleType = TScaleType::sctXT;
    FXScalePos = 0;
    FYScalePos = 0;

    ++FFontMuted;
    const TFont platformDefault;
    FFont.Assign(&platformDefault);
    --FFontMuted;

    FDateFormat.OnChange = nullptr;
    FDateFormat.SetTimeFormat(TTimeFormat::tfHHMMSS);
    FDateFormat.SetDateSeparator('-');
    FDateFormat.SetTimeSeparator(':');
    FDateFormat.SetYearLength(TYearLength::ylYYYY);
    FDateFormat.SetMonthName(true);
    FDateFormat.SetDateForTime(TDateForTime::dtOnePerDay);
    FDateFormat.SetDateOrder(TDateOrder::doDDMMYY);
}

void TScaleProps::SetDateFormat(const TDTLabel* value)
{
    // Assign carries the source's handler over; whoever listens to this
    // axis's date format keeps listening.
    const TNotifyEvent listener = FDateFormat.OnChange;
    FDateFormat.Assign(value);
    FDateFormat.OnChange = listener;
    Changed();
}

void TScaleProps::SetDecPlaces(int32_t value)
{
    StoreAndNotify(FDecPlaces, std::clamp(value, -3, 12));
}

void TScaleProps::SetFont(const TFont* value)
{
    // The font's own report is held back so the setter notifies exactly once.
    ++FFontMuted;
    try {
        FFont.Assign(value);
    } catch (...) {
        --FFontMuted;
        throw;
    }
    --FFontMuted;
    Changed();
}

void TScaleProps::SetLogarithmic(bool value)
{
    const bool allowed =
        !value || FLoading ||
        (FRangeLow >= LogFloor && FRangeHigh >= LogFloor && FLabelType != TFigType::ftDateTime);
    if (allowed) FLogarithmic = value;
    Changed();
}

void TScaleProps::SetLabelType(TFigType value)
{
    FLabelType = value;
    if (value == TFigType::ftDateTime) FLogarithmic = false;
    if (value == TFigType::ftTime) FDecPlaces = 4;
    Changed();
}

void TScaleProps::SetMinRange(double value)
{
    if (!(value > LogFloor)) return;  // NaN is ignored as well
    FMinRange = value;
    if (std::fabs(FRangeHigh - FRangeLow) >= FMinRange) return;
    const double centre = (FRangeLow + FRangeHigh) / 2;
    FRangeLow = centre - FMinRange / 2;
    FRangeHigh = centre + FMinRange / 2;
    Changed();
}

void TScaleProps::SetRangeLow(double value)
{
    if (std::fabs(FRangeHigh - value) < FMinRange) {
        FRangeLow = value;
        FRangeHigh = value + FMinRange;
    } else if (!(FLogarithmic && value < LogFloor)) {
        FRangeLow = value;
    }
    Changed();
}

void TScaleProps::SetRangeHigh(double value)
{
    if (std::fabs(FRangeLow - value) < FMinRange) {
        FRangeHigh = value;
        FRangeLow = value - FMinRange;
    } else if (!(FLogarithmic && value < LogFloor)) {
        FRangeHigh = value;
    }
    Changed();
}

void TScaleProps::SetScalePos(int32_t value)
{
    StoreAndNotify(IsHorizontal() ? FXScalePos : FYScalePos, value);
}

void TScaleProps::Assign(const TPersistent* Source)
{
    const auto* s = dynamic_cast<const TScaleProps*>(Source);
    if (s == nullptr) {
        TSettingsObject::Assign(Source);
        return;
    }
    if (s == this) return;
    FCaption = s->FCaption;
    FCaptionPosX = s->FCaptionPosX;
    FCaptionPosY = s->FCaptionPosY;
    FCaptionAlignment = s->FCaptionAlignment;
    FCaptionAnchor = s->FCaptionAnchor;
    FColorScale = s->FColorScale;
    OnChange = s->OnChange;
    FDateFormat.Assign(&s->FDateFormat);
    FDecPlaces = s->FDecPlaces;
    FLogarithmic = s->FLogarithmic;
    FLabelType = s->FLabelType;
    ++FFontMuted;
    FFont.Assign(&s->FFont);  // cannot fail: the source is a TFont
    --FFontMuted;
    FMinTicks = s->FMinTicks;
    FLoading = s->FLoading;
    FRangeLow = s->FRangeLow;
    FRangeHigh = s->FRangeHigh;
    FShortTicks = s->FShortTicks;
    FScaleInscript = s->FScaleInscript;
    FScaleType = s->FScaleType;
    FYScalePos = s->FYScalePos;
    FXScalePos = s->FXScalePos;
    FMinRange = s->FMinRange;
    FUserTickText = s->FUserTickText;
    FVisible = s->FVisible;
}

void TScalePropsHoriz::InitDefaults()
{
    TScaleProps::InitDefaults();
    FScaleLocation = TScaleLocationHoriz::slBottom;
}

void TScalePropsHoriz::SetScaleLocation(TScaleLocationHoriz value)
{
    FScaleLocation = value;
    ChangeScaleType(value == TScaleLocationHoriz::slTop ? TScaleType::sctXB : TScaleType::sctXT);
}

void TScalePropsVert::InitDefaults()
{
    TScaleProps::InitDefaults();
    FScaleLocation = TScaleLocationVert::slLeft;
}

void TScalePropsVert::SetScaleLocation(TScaleLocationVert value)
{
    FScaleLocation = value;
    ChangeScaleType(value == TScaleLocationVert::slLeft ? TScaleType::sctYR : TScaleType::sctYL);
}

}  // namespace qvx
