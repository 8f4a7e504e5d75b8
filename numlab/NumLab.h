#pragma once
// TNumLab: a numeric read-out without a window of its own. A left text zone
// (LeftSpace wide), a framed label field (LabelWidth wide) showing the
// formatted Value, and a right text zone filling the rest. Every setter
// repaints at once when its value changes.

#include <cstdint>
#include <functional>
#include <string>

#include "base/Enums.h"
#include "numlab/NumLabFormat.h"
#include "platform/controls/CustomControl.h"

namespace qvx {

// May replace the text before it is measured and drawn.
using TBeforeDisplayEvent = std::function<void(TObject* Sender, std::string& Text)>;

class TNumLab : public TGraphicControl {
public:
    explicit TNumLab(TComponent* AOwner);
    std::string ClassName() const override { return "TNumLab"; }

    // --- Value and its format ---
    double Value() const { return FValue; }
    // Repaints only for a value that compares unequal; a NaN never replaces the value.
    void SetValue(double value);
    TDisplay DisplayType() const { return FDisplayType; }
    void SetDisplayType(TDisplay value);
    int32_t Precision() const { return FPrecision; }
    // Negative values are ignored; at most 15 is stored.
    void SetPrecision(int32_t value);
    bool Comma() const { return FComma; }
    void SetComma(bool value);
    bool ForcePlusSign() const { return FForcePlusSign; }
    void SetForcePlusSign(bool value);
    const std::string& OverflowIndicator() const { return FOverflowIndicator; }
    void SetOverflowIndicator(const std::string& value);
    const std::string& StateText() const { return FStateText; }
    void SetStateText(const std::string& value);
    const std::string& DTFormat() const { return FDTFormat; }
    void SetDTFormat(const std::string& value);
    bool Empty() const { return FEmpty; }
    void SetEmpty(bool value);
    TBeforeDisplayEvent OnBeforeDisplay;

    // The text for the label field: raw text, separator and plus sign,
    // OnBeforeDisplay, then the overflow indicator when it is wider than
    // LabelWidth - 6 pixels in the label's font (never for dtState).
    std::string FormatValueText();

    // --- Layout and colours ---
    int32_t LeftSpace() const { return FLeftSpace; }
    // Negative values are ignored; values above Width are stored as Width.
    void SetLeftSpace(int32_t value);
    int32_t LabelWidth() const { return FLabelWidth; }
    void SetLabelWidth(int32_t value);
    const std::string& LeftText() const { return FLeftText; }
    void SetLeftText(const std::string& value);
    const std::string& RightText() const { return FRightText; }
    void SetRightText(const std::string& value);
    TAlignment LeftTextAlignment() const { return FLeftTextAlignment; }
    void SetLeftTextAlignment(TAlignment value);
    TAlignment RightTextAlignment() const { return FRightTextAlignment; }
    void SetRightTextAlignment(TAlignment value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TFrameStyle FrameStyle() const { return FFrameStyle; }
    void SetFrameStyle(TFrameStyle value);
    TColorScheme ColorScheme() const { return FColorScheme; }
    // Also sets the shadow and light frame colours.
    void SetColorScheme(TColorScheme value);
    TColor ColorLabBakG() const { return FColorLabBakG; }
    void SetColorLabBakG(TColor value);
    TColor ColorLabText() const { return FColorLabText; }
    void SetColorLabText(TColor value);
    TColor ColorOutBakG() const { return FColorOutBakG; }
    void SetColorOutBakG(TColor value);
    TColor ColorOutText() const { return FColorOutText; }
    void SetColorOutText(TColor value);
    bool Transparent() const { return FTransparent; }
    // True invalidates (the parent repaints the background first); False paints.
    void SetTransparent(bool value);
    // Repaints even when the value is unchanged.
    void SetEnabled(bool value) override;

    TColor FrameColorDark() const { return FFrameColorDark; }
    TColor FrameColorShadow() const { return FFrameColorShadow; }
    TColor FrameColorLight() const { return FFrameColorLight; }

    void Assign(const TPersistent* Source) override;
    void Paint() override;

protected:
    void AssignTo(TPersistent* Dest) const override;

private:
    template <class T>
    void StoreAndPaint(T& field, const T& value)
    {
        if (field == value) return;
        field = value;
        Paint();
    }
    void DrawSideText(TCanvas& c, const std::string& text, int32_t x, int32_t y0, TColor outColour);

    double FValue = 0;
    TDisplay FDisplayType = TDisplay::dtFixP;
    int32_t FPrecision = 2;
    bool FComma = false;
    bool FForcePlusSign = false;
    std::string FOverflowIndicator = "*********";
    std::string FStateText = "undefined";
    std::string FDTFormat = "mmm-dd, yyyy";
    bool FEmpty = false;

    int32_t FLeftSpace = 35;
    int32_t FLabelWidth = 80;
    std::string FLeftText, FRightText;
    TAlignment FLeftTextAlignment = TAlignment::taRightJustify;
    TAlignment FRightTextAlignment = TAlignment::taLeftJustify;
    TAlignment FAlignment = TAlignment::taCenter;
    TFrameStyle FFrameStyle = TFrameStyle::fsLowered;
    TColorScheme FColorScheme = TColorScheme::csBWG;
    TColor FColorLabBakG = clBtnFace;
    TColor FColorLabText = clBlack;
    TColor FColorOutBakG = clBtnFace;
    TColor FColorOutText = clBlack;
    bool FTransparent = false;
    TColor FFrameColorDark = clBlack;
    TColor FFrameColorShadow = 0x808080;
    TColor FFrameColorLight = 0xFFFFFF;

    TCanvas FMeasure;  // measures texts in the label's font, never draws
};

}  // namespace qvx
