#include "base/DrawFrame3D.h"

namespace qvx {

void DrawFrame3D(TCanvas& Canvas, TFrameStyle Style, int32_t Left, int32_t Top, int32_t Right, int32_t Bottom,
                 TColor Light, TColor Face, TColor Shadow, TColor Dark, TColor Outline)
{
    TCanvas& c = Canvas;
    const int32_t L = Left, T = Top, R = Right, B = Bottom;
    TColor a, b, inner, d;
    switch (Style) {
    case TFrameStyle::fsNone: return;
    case TFrameStyle::fsSimple:
        c.Pen()->SetColor(Outline);
        c.MoveTo(L, T);
        c.LineTo(L, B);
        c.LineTo(R, B);
        c.LineTo(R, T);
        c.LineTo(L, T);
        return;
    case TFrameStyle::fsLowered: a = Shadow, b = Light, inner = Dark, d = Face; break;
    case TFrameStyle::fsRaised: a = Light, b = Dark, inner = Face, d = Shadow; break;
    case TFrameStyle::fsEmbossed: a = Light, b = Shadow, inner = Shadow, d = Light; break;
    default: a = Shadow, b = Light, inner = Light, d = Shadow; break;  // engraved
    }
    c.Pen()->SetColor(a);
    c.MoveTo(L, B);
    c.LineTo(L, T);
    c.LineTo(R + 1, T);
    c.MoveTo(R, T + 1);
    c.Pen()->SetColor(b);
    c.LineTo(R, B);
    c.LineTo(L - 1, B);
    c.Pen()->SetColor(inner);
    c.MoveTo(L + 1, B - 1);
    c.LineTo(L + 1, T + 1);
    c.LineTo(R, T + 1);
    c.MoveTo(R - 1, T + 2);
    c.Pen()->SetColor(d);
    c.LineTo(R - 1, B - 1);
    c.LineTo(L, B - 1);
}

}  // namespace qvx
