#include "platform/controls/Panel.h"

#include <algorithm>

namespace qvx {

void Frame3D(TCanvas& canvas, TRect& rect, TColor topColor, TColor bottomColor, int32_t width)
{
    canvas.Pen()->SetWidth(1);
    canvas.Pen()->SetStyle(TPenStyle::psSolid);
    --rect.Bottom;
    --rect.Right;
    for (; width > 0; --width) {
        canvas.Pen()->SetColor(topColor);
        const TPoint upper[] = {{rect.Left, rect.Bottom}, {rect.Left, rect.Top}, {rect.Right, rect.Top}};
        canvas.Polyline(upper);
        canvas.Pen()->SetColor(bottomColor);
        const TPoint lower[] = {{rect.Right, rect.Top}, {rect.Right, rect.Bottom}, {rect.Left - 1, rect.Bottom}};
        canvas.Polyline(lower);
        rect = {rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1};
    }
    ++rect.Bottom;
    ++rect.Right;
}

TPanel::TPanel(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetBounds(0, 0, 185, 41);
}

void TPanel::SetBevelInner(TBevelCut value)
{
    if (value == FBevelInner) return;
    FBevelInner = value;
    AlignControls();
    Invalidate();
}

void TPanel::SetBevelOuter(TBevelCut value)
{
    if (value == FBevelOuter) return;
    FBevelOuter = value;
    AlignControls();
    Invalidate();
}

void TPanel::SetBevelWidth(int32_t value)
{
    value = std::max(value, 1);
    if (value == FBevelWidth) return;
    FBevelWidth = value;
    AlignControls();
    Invalidate();
}

void TPanel::SetBorderWidth(int32_t value)
{
    value = std::max(value, 0);
    if (value == FBorderWidth) return;
    FBorderWidth = value;
    AlignControls();
    Invalidate();
}

void TPanel::SetAlignment(TAlignment value)
{
    if (value == FAlignment) return;
    FAlignment = value;
    Invalidate();
}

TRect TPanel::AlignRect() const
{
    int32_t inset = FBorderWidth;
    if (FBevelOuter != TBevelCut::bvNone) inset += FBevelWidth;
    if (FBevelInner != TBevelCut::bvNone) inset += FBevelWidth;
    return {inset, inset, ClientWidth() - inset, ClientHeight() - inset};
}

namespace {

void BevelColours(TBevelCut cut, TColor& top, TColor& bottom)
{
    top = cut == TBevelCut::bvLowered ? clBtnShadow : clBtnHighlight;
    bottom = cut == TBevelCut::bvLowered ? clBtnHighlight : clBtnShadow;
}

}  // namespace

void TPanel::Paint()
{
    TCanvas& c = FCanvas;
    TRect r = ClientRect();
    TColor top, bottom;
    if (FBevelOuter != TBevelCut::bvNone) {
        BevelColours(FBevelOuter, top, bottom);
        Frame3D(c, r, top, bottom, FBevelWidth);
    }
    Frame3D(c, r, Color(), Color(), FBorderWidth);
    if (FBevelInner != TBevelCut::bvNone) {
        BevelColours(FBevelInner, top, bottom);
        Frame3D(c, r, top, bottom, FBevelWidth);
    }
    c.Brush()->SetColor(Color());
    c.FillRect(r);
    if (Caption().empty()) return;
    c.SetFont(Font());
    c.Brush()->SetStyle(TBrushStyle::bsClear);
    const int32_t w = c.TextWidth(Caption()), h = c.TextHeight(Caption());
    int32_t x = r.Left + int32_t(r.Width() - w) / 2;
    if (FAlignment == TAlignment::taLeftJustify) x = r.Left;
    if (FAlignment == TAlignment::taRightJustify) x = r.Right - w;
    c.TextRect(r, x, r.Top + int32_t(r.Height() - h) / 2, Caption());
}

}  // namespace qvx
