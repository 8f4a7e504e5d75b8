#pragma once
// TScaleProps: the settings of one axis of a chart layer, with its published
// forms TScalePropsHoriz (X axes) and TScalePropsVert (Y axes). The chart owns
// one pair per layer and keeps them as the master copy of what its axis
// painters draw; it listens to OnChange (and to DateFormat()->OnChange, which
// this object leaves to the chart to wire).
//
// Every setter notifies through OnChange, also when the value is unchanged,
// except where a setter says otherwise. Out-of-range values are clamped or
// ignored, never reported.

#include <cstdint>
#include <string>

#include "base/DTLabel.h"
#include "base/Enums.h"
#include "base/SettingsObject.h"
#include "chart/ChartTypes.h"
#include "platform/controls/ControlTypes.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/Font.h"
#include "scale/ScaleTypes.h"

namespace qvx {

class TScaleProps : public TSettingsObject {
public:
    TScaleProps();
    // The owned font reports its changes to this object, so the object has
    // an identity: no copies, settings travel through Assign.
    TScaleProps(const TScaleProps&) = delete;
    TScaleProps& operator=(const TScaleProps&) = delete;

    std::string ClassName() const override { return "TScaleProps"; }
    bool HasInstance(const TPersistent* object) const override
    {
        return dynamic_cast<const TScaleProps*>(object) != nullptr;
    }

    // Puts every setting back to the value of a new object, without
    // notifying: the date format's handler is cleared before its defaults
    // are applied (the chart wires it afterwards). OnChange and Loading stay.
    virtual void InitDefaults();

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& value) { StoreAndNotify(FCaption, value); }
    int32_t CaptionPosX() const { return FCaptionPosX; }
    void SetCaptionPosX(int32_t value) { StoreAndNotify(FCaptionPosX, value); }
    int32_t CaptionPosY() const { return FCaptionPosY; }
    void SetCaptionPosY(int32_t value) { StoreAndNotify(FCaptionPosY, value); }
    TAlignment CaptionAlignment() const { return FCaptionAlignment; }
    void SetCaptionAlignment(TAlignment value) { StoreAndNotify(FCaptionAlignment, value); }
    TScaleUnitAnchor CaptionAnchor() const { return FCaptionAnchor; }
    void SetCaptionAnchor(TScaleUnitAnchor value) { StoreAndNotify(FCaptionAnchor, value); }
    TColor ColorScale() const { return FColorScale; }
    void SetColorScale(TColor value) { StoreAndNotify(FColorScale, value); }

    TDTLabel* DateFormat() { return &FDateFormat; }
    const TDTLabel* DateFormat() const { return &FDateFormat; }
    // Copies the given format into the owned one (its Assign: the given
    // object's handler comes along), then notifies.
    void SetDateFormat(const TDTLabel* value);

    int32_t DecPlaces() const { return FDecPlaces; }
    void SetDecPlaces(int32_t value);  // clamped to -3..12

    TFont* Font() { return &FFont; }
    const TFont* Font() const { return &FFont; }
    // Copies the given font's attributes into the owned font and notifies
    // once. Changes made directly on Font() notify as well.
    void SetFont(const TFont* value);

    bool Logarithmic() const { return FLogarithmic; }
    // True is taken while Loading, or for bounds both >= 1e-100 and a label
    // type other than ftDateTime; otherwise the axis stays linear. Notifies
    // in every case.
    void SetLogarithmic(bool value);
    TFigType LabelType() const { return FLabelType; }
    // ftDateTime also makes the axis linear; ftTime also sets DecPlaces 4.
    void SetLabelType(TFigType value);
    int32_t MinTicks() const { return FMinTicks; }
    void SetMinTicks(int32_t value) { StoreAndNotify(FMinTicks, value); }

    double MinRange() const { return FMinRange; }
    // Values <= 1e-100 are ignored. A range narrower than the new minimum
    // is widened about its centre and notifies; otherwise nothing notifies.
    void SetMinRange(double value);
    double RangeLow() const { return FRangeLow; }
    // Closer than MinRange to RangeHigh: RangeHigh := value + MinRange.
    // On a logarithmic axis a value below 1e-100 is refused (still notifies).
    void SetRangeLow(double value);
    double RangeHigh() const { return FRangeHigh; }
    // Closer than MinRange to RangeLow: RangeLow := value - MinRange.
    // On a logarithmic axis a value below 1e-100 is refused (still notifies).
    void SetRangeHigh(double value);

    bool ShortTicks() const { return FShortTicks; }
    void SetShortTicks(bool value) { StoreAndNotify(FShortTicks, value); }
    const std::string& ScaleInscript() const { return FScaleInscript; }
    void SetScaleInscript(const std::string& value) { StoreAndNotify(FScaleInscript, value); }
    // XScalePos for horizontal scale types, YScalePos for vertical ones.
    int32_t ScalePos() const { return IsHorizontal() ? FXScalePos : FYScalePos; }
    void SetScalePos(int32_t value);
    const std::string& UserTickText() const { return FUserTickText; }
    void SetUserTickText(const std::string& value) { StoreAndNotify(FUserTickText, value); }
    bool Visible() const { return FVisible; }
    void SetVisible(bool value) { StoreAndNotify(FVisible, value); }

    TMouseActMode MouseAction() const { return FMouseAction; }
    // Read when a drag starts; nothing to redraw, so no notification.
    void SetMouseAction(TMouseActMode value) { FMouseAction = value; }

    // --- Internal state the chart reads and sets; none of it notifies ---

    // The side the axis is drawn on. Set by ScaleLocation, and directly by
    // the chart for its default arrangement (which leaves ScaleLocation alone).
    TScaleType ScaleType() const { return FScaleType; }
    void SetScaleType(TScaleType value) { FScaleType = value; }
    bool IsHorizontal() const { return FScaleType == TScaleType::sctXB || FScaleType == TScaleType::sctXT; }
    int32_t XScalePos() const { return FXScalePos; }
    int32_t YScalePos() const { return FYScalePos; }
    // True until the owning chart has read its stored settings; relaxes
    // SetLogarithmic so stored settings load in any order.
    bool Loading() const { return FLoading; }
    void SetLoading(bool value) { FLoading = value; }
    // The chart's range store writes here: no setter rules, no notification.
    void StoreRangeLow(double value) { FRangeLow = value; }
    void StoreRangeHigh(double value) { FRangeHigh = value; }

    // Copies every setting of another TScaleProps (OnChange handler, Loading,
    // ScaleType and both scale positions included; MouseAction and
    // ScaleLocation excluded) without notifying. Other classes fail with
    // EConvertError.
    void Assign(const TPersistent* Source) override;

protected:
    // Location changes: store the side and notify.
    void ChangeScaleType(TScaleType value)
    {
        FScaleType = value;
        Changed();
    }

private:
    void FontChanged();

    std::string FCaption;
    int32_t FCaptionPosX = 0;
    int32_t FCaptionPosY = 0;
    TAlignment FCaptionAlignment = TAlignment::taCenter;
    TScaleUnitAnchor FCaptionAnchor = TScaleUnitAnchor::uaSclTopLft;
    TColor FColorScale = 0;
    TDTLabel FDateFormat;
    int32_t FDecPlaces = -2;
    TFont FFont;
    bool FLogarithmic = false;
    TFigType FLabelType = TFigType::ftNum;
    int32_t FMinTicks = 3;
    double FMinRange = 1e-10;
    TMouseActMode FMouseAction = TMouseActMode::maNone;
    double FRangeLow = 0;
    double FRangeHigh = 1;
    bool FShortTicks = true;
    std::string FScaleInscript;
    std::string FUserTickText;
    bool FVisible = false;

    TScaleType FScaleType = TScaleType::sctXT;
    int32_t FXScalePos = 0;
    int32_t FYScalePos = 0;
    bool FLoading = true;
    // Non-zero while this object rewrites its own font (Assign, SetFont,
    // InitDefaults), so the font's change report does not notify on its own.
    int FFontMuted = 0;
};

class TScalePropsHoriz : public TScaleProps {
public:
    std::string ClassName() const override { return "TScalePropsHoriz"; }
    bool HasInstance(const TPersistent* object) const override
    {
        return dynamic_cast<const TScalePropsHoriz*>(object) != nullptr;
    }
    void InitDefaults() override;

    TScaleLocationHoriz ScaleLocation() const { return FScaleLocation; }
    // slTop draws the axis above the plot area (sctXB), slBottom below (sctXT).
    void SetScaleLocation(TScaleLocationHoriz value);

private:
    TScaleLocationHoriz FScaleLocation = TScaleLocationHoriz::slBottom;
};

class TScalePropsVert : public TScaleProps {
public:
    std::string ClassName() const override { return "TScalePropsVert"; }
    bool HasInstance(const TPersistent* object) const override
    {
        return dynamic_cast<const TScalePropsVert*>(object) != nullptr;
    }
    void InitDefaults() override;

    TScaleLocationVert ScaleLocation() const { return FScaleLocation; }
    // slLeft draws the axis left of the plot area (sctYR), slRight right of it (sctYL).
    void SetScaleLocation(TScaleLocationVert value);

private:
    TScaleLocationVert FScaleLocation = TScaleLocationVert::slLeft;
};

}  // namespace qvx
