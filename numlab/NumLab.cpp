#include "numlab/NumLab.h"

#include <algorithm>
#include <cmath>

#include "base/DrawFrame3D.h"
#include "platform/graphics/Bitmap.h"

namespace qvx {

namespace {

// Tall and deep characters: the text height every line of the label uses.
constexpr const char* kProbeText = "(8g]}\xC3\x9C\xC3\x84\xC2\xA7";  // (8g]}ÜÄ§
constexpr TColor kFrameFace = 0xC0C0C0;

bool Exempt(TDisplay d)
{
    return d == TDisplay::dtHex || d == TDisplay::dtDateTime || d == TDisplay::dtState || d == TDisplay::dtBin;
}

}  // namespace

TNumLab::TNumLab(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetBounds(0, 0, 160, 28);
}

// --- Value setters -----------------------------------------------------------------------

void TNumLab::SetValue(double value)
{
    if (std::isnan(value) || value == FValue) return;
    FValue = value;
    Paint();
}

void TNumLab::SetDisplayType(TDisplay value) { StoreAndPaint(FDisplayType, value); }

void TNumLab::SetPrecision(int32_t value)
{
    if (value < 0 || value == FPrecision) return;
    FPrecision = std::min(value, 15);
    Paint();
}

void TNumLab::SetComma(bool value) { StoreAndPaint(FComma, value); }
void TNumLab::SetForcePlusSign(bool value) { StoreAndPaint(FForcePlusSign, value); }
void TNumLab::SetOverflowIndicator(const std::string& value) { StoreAndPaint(FOverflowIndicator, value); }
void TNumLab::SetStateText(const std::string& value) { StoreAndPaint(FStateText, value); }
void TNumLab::SetDTFormat(const std::string& value) { StoreAndPaint(FDTFormat, value); }
void TNumLab::SetEmpty(bool value) { StoreAndPaint(FEmpty, value); }

std::string TNumLab::FormatValueText()
{
    numlab::TRawTextInput in;
    in.DisplayType = FDisplayType;
    in.Value = FValue;
    in.Precision = FPrecision;
    in.OverflowIndicator = FOverflowIndicator;
    in.StateText = FStateText;
    in.DTFormat = FDTFormat;
    std::string text = numlab::RawText(in);
    // Neither the separator swap nor the plus sign touches the overflow indicator.
    if (!Exempt(FDisplayType) && text != FOverflowIndicator) {
        std::replace(text.begin(), text.end(), FComma ? '.' : ',', FComma ? ',' : '.');
        if (FForcePlusSign && FValue > 0) text.insert(text.begin(), '+');
    }
    if (OnBeforeDisplay) OnBeforeDisplay(this, text);
    FMeasure.SetFont(Font());
    if (FDisplayType != TDisplay::dtState && FMeasure.TextWidth(text) > FLabelWidth - 6) text = FOverflowIndicator;
    return text;
}

// --- Layout setters ----------------------------------------------------------------------

void TNumLab::SetLeftSpace(int32_t value)
{
    if (value < 0) return;
    StoreAndPaint(FLeftSpace, std::min(value, Width()));
}

void TNumLab::SetLabelWidth(int32_t value) { StoreAndPaint(FLabelWidth, value); }
void TNumLab::SetLeftText(const std::string& value) { StoreAndPaint(FLeftText, value); }
void TNumLab::SetRightText(const std::string& value) { StoreAndPaint(FRightText, value); }
void TNumLab::SetLeftTextAlignment(TAlignment value) { StoreAndPaint(FLeftTextAlignment, value); }
void TNumLab::SetRightTextAlignment(TAlignment value) { StoreAndPaint(FRightTextAlignment, value); }
void TNumLab::SetAlignment(TAlignment value) { StoreAndPaint(FAlignment, value); }
void TNumLab::SetFrameStyle(TFrameStyle value) { StoreAndPaint(FFrameStyle, value); }
void TNumLab::SetColorLabBakG(TColor value) { StoreAndPaint(FColorLabBakG, value); }
void TNumLab::SetColorLabText(TColor value) { StoreAndPaint(FColorLabText, value); }
void TNumLab::SetColorOutBakG(TColor value) { StoreAndPaint(FColorOutBakG, value); }
void TNumLab::SetColorOutText(TColor value) { StoreAndPaint(FColorOutText, value); }

void TNumLab::SetColorScheme(TColorScheme value)
{
    if (value == FColorScheme) return;
    FColorScheme = value;
    const bool bwg = value == TColorScheme::csBWG;
    FFrameColorShadow = bwg ? 0x808080 : clBtnShadow;
    FFrameColorLight = bwg ? 0xFFFFFF : clBtnHighlight;
    Paint();
}

void TNumLab::SetTransparent(bool value)
{
    if (value == FTransparent) return;
    FTransparent = value;
    if (value) Invalidate();
    else Paint();
}

void TNumLab::SetEnabled(bool value)
{
    TGraphicControl::SetEnabled(value);
    Paint();
}

// --- Copying -------------------------------------------------------------------------------

void TNumLab::Assign(const TPersistent* Source)
{
    const auto* s = dynamic_cast<const TNumLab*>(Source);
    if (s == nullptr) {
        TGraphicControl::Assign(Source);
        return;
    }
    if (s == this) return;
    FLeftSpace = s->FLeftSpace;
    FEmpty = s->FEmpty;
    FLabelWidth = s->FLabelWidth;
    FPrecision = s->FPrecision;
    FLeftText = s->FLeftText;
    FRightText = s->FRightText;
    FFrameStyle = s->FFrameStyle;
    FAlignment = s->FAlignment;
    FRightTextAlignment = s->FRightTextAlignment;
    FLeftTextAlignment = s->FLeftTextAlignment;
    FOverflowIndicator = s->FOverflowIndicator;
    FValue = s->FValue;
    FStateText = s->FStateText;
    FTransparent = s->FTransparent;
    FColorLabBakG = s->FColorLabBakG;
    FColorLabText = s->FColorLabText;
    FColorOutBakG = s->FColorOutBakG;
    FColorOutText = s->FColorOutText;
    FFrameColorDark = s->FFrameColorDark;
    FFrameColorShadow = s->FFrameColorShadow;
    FFrameColorLight = s->FFrameColorLight;
    FColorScheme = s->FColorScheme;
    FDisplayType = s->FDisplayType;
    Paint();
}

void TNumLab::AssignTo(TPersistent* Dest) const
{
    if (auto* d = dynamic_cast<TNumLab*>(Dest)) {
        d->Assign(this);
        return;
    }
    TGraphicControl::AssignTo(Dest);
}

// --- Painting ------------------------------------------------------------------------------

void TNumLab::DrawSideText(TCanvas& c, const std::string& text, int32_t x, int32_t y0, TColor outColour)
{
    if (Enabled()) {
        c.Font()->SetColor(outColour);
        c.TextOut(x, y0, text);
        return;
    }
    // Engraved: a white copy one pixel right and down, the grey text on top.
    c.Brush()->SetStyle(TBrushStyle::bsClear);
    c.Font()->SetColor(0xFFFFFF);
    c.TextOut(x + 1, y0 + 1, text);
    c.Font()->SetColor(0x808080);
    c.TextOut(x, y0, text);
}

void TNumLab::Paint()
{
    if (!Visible() && !ComponentState().Contains(csDesigning)) return;
    const int32_t W = Width(), H = Height(), LS = FLeftSpace, LW = FLabelWidth;
    TCanvas& target = *Canvas();
    target.SetFont(Font());
    const int32_t y0 = (H - target.TextHeight(kProbeText)) / 2;

    TBitmap bmp(W, H);
    TCanvas& c = *bmp.Canvas();
    c.SetFont(Font());
    const TColor k = FTransparent ? 0xFFFFFF : FColorOutBakG;
    c.Pen()->SetColor(k);
    c.Brush()->SetColor(k);
    c.Rectangle(0, 0, W, H);

    int32_t w = c.TextWidth(FLeftText);
    int32_t x = FLeftTextAlignment == TAlignment::taLeftJustify    ? 7
                : FLeftTextAlignment == TAlignment::taRightJustify ? LS - w - 5
                                                                   : (LS - w) / 2;
    DrawSideText(c, FLeftText, x, y0, FColorOutText);
    w = c.TextWidth(FRightText);
    x = FRightTextAlignment == TAlignment::taLeftJustify    ? LS + LW + 7
        : FRightTextAlignment == TAlignment::taRightJustify ? W - w - 6
                                                            : (W - LS - LW - w) / 2 + LS + LW + 1;
    DrawSideText(c, FRightText, x, y0, FColorOutText);

    DrawFrame3D(c, FFrameStyle, LS + 1, 0, LS + LW, H - 2, FFrameColorLight, kFrameFace, FFrameColorShadow,
                FFrameColorDark, FFrameColorDark);

    if (!FEmpty) {
        const std::string text = FormatValueText();
        w = c.TextWidth(text);
        c.Font()->SetColor(Enabled() ? FColorLabText : clBtnShadow);
        const TRect clip{LS + 3, 2, LS + LW - 1, H - 3};
        x = FAlignment == TAlignment::taLeftJustify    ? LS + 4
            : FAlignment == TAlignment::taRightJustify ? LS + LW - w - 2
                                                       : LS + (LW - w) / 2 + 2;
        // Enabled, the field is filled with its background; disabled, the
        // brush is still clear and the field shows the outer background.
        if (Enabled()) c.Brush()->SetColor(FColorLabBakG);
        c.TextRect(clip, x, y0, text);
    }

    if (FTransparent) {
        const TColor fill = FColorLabText != clBlack ? 0xFFFFFF : FColorLabBakG;
        target.Pen()->SetColor(fill);
        target.Brush()->SetColor(fill);
        target.Rectangle(LS + 2, 2, LS + LW, H - 2);
        const TCopyMode mode = target.CopyMode();
        target.SetCopyMode(cmSrcAnd);
        target.Draw(0, 0, bmp);
        target.SetCopyMode(mode);
    } else {
        target.Draw(0, 0, bmp);
    }
}

}  // namespace qvx
