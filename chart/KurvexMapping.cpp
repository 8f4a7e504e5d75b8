// TCustomKurvex: transform coefficients, world <-> pixel mapping, layer
// ranges with joins, and the isometric mode.

#include <algorithm>
#include <cmath>

#include "base/Exceptions.h"
#include "chart/Kurvex.h"

namespace qvx {

namespace {

const char* const kLogError = "Logarithmic axis must not be negative.";

int32_t ClampRound(long double p)
{
    if (std::isnan(p)) return 0;
    p = std::clamp(p, -2147483647.0L, 2147483647.0L);
    return static_cast<int32_t>(std::nearbyint(p));
}

}  // namespace

void TCustomKurvex::CalcTransform()
{
    if (ComponentState().Contains(csLoading)) return;
    const long double W = Width(), H = Height();
    const long double ML = FMarginLeft, MR = FMarginRight, MT = FMarginTop, MB = FMarginBottom, SW = FShadowWidth;
    const long double PW = W - ML - MR - SW, PH = H - MT - MB - SW;
    for (int32_t l = 1; l <= 16; ++l) {
        const size_t i = size_t(l - 1);
        const TScaleProps& x = *FScaleX[i];
        const TScaleProps& y = *FScaleY[i];
        long double rl = x.RangeLow(), rh = x.RangeHigh();
        if (PW <= 0) {
            FKx[i] = 0;
            FOx[i] = W / 2;
        } else if (!x.Logarithmic()) {
            FKx[i] = PW / (rh - rl);
            FOx[i] = (ML * rh - (W - MR - SW) * rl) / (rh - rl);
        } else {
            if (rh <= 0 || rl <= 0) throw EQVXKurvexError(kLogError);
            const long double lh = std::log(rh), ll = std::log(rl);
            FKx[i] = PW / (lh - ll);
            FOx[i] = (lh * ML - ll * (W - MR - SW)) / (lh - ll);
        }
        rl = y.RangeLow(), rh = y.RangeHigh();
        if (PH <= 0) {
            FKy[i] = 0;
            FOy[i] = H / 2;
        } else if (!y.Logarithmic()) {
            FKy[i] = -PH / (rh - rl);
            FOy[i] = ((H - MB - SW) * rh - MT * rl) / (rh - rl);
        } else {
            if (rh <= 0 || rl <= 0) throw EQVXKurvexError(kLogError);
            const long double lh = std::log(rh), ll = std::log(rl);
            FKy[i] = -PH / (lh - ll);
            FOy[i] = (lh * (H - MB - SW) - ll * MT) / (lh - ll);
        }
    }
}

void TCustomKurvex::WorldToPixel(int32_t Layer, double X, double Y, int32_t& PixX, int32_t& PixY) const
{
    const size_t i = Index(Layer);
    const TScaleProps& x = *FScaleX[i];
    const TScaleProps& y = *FScaleY[i];
    long double p;
    if (!x.Logarithmic()) p = X * FKx[i] + FOx[i];
    else if (X > 1e-100) p = std::log((long double)X) * FKx[i] + FOx[i];
    else p = x.RangeHigh() >= x.RangeLow() ? 0 : Width();
    PixX = ClampRound(p);
    if (!y.Logarithmic()) p = Y * FKy[i] + FOy[i];
    else if (Y > 1e-100) p = std::log((long double)Y) * FKy[i] + FOy[i];
    else p = y.RangeHigh() >= y.RangeLow() ? Height() : 0;
    PixY = ClampRound(p);
}

void TCustomKurvex::PixelToWorld(int32_t Layer, int32_t PixX, int32_t PixY, double& X, double& Y) const
{
    const size_t i = Index(Layer);
    // A plot area of no size has no scale: every pixel reads as the middle of
    // the range instead of a division by zero.
    auto value = [](const TScaleProps& a, long double k, long double o, int32_t pix) {
        if (k == 0) return a.Logarithmic() ? std::sqrt(a.RangeLow() * a.RangeHigh()) : (a.RangeLow() + a.RangeHigh()) / 2;
        const long double v = (pix - o) / k;
        return double(a.Logarithmic() ? std::exp(v) : v);
    };
    X = value(*FScaleX[i], FKx[i], FOx[i], PixX);
    Y = value(*FScaleY[i], FKy[i], FOy[i], PixY);
}

void TCustomKurvex::SetLayerRange(int32_t Layer, long double XLow, long double YLow, long double XHigh,
                                  long double YHigh)
{
    if (Layer < 0 || Layer > 16) return;
    if (Layer == 0) {
        for (int32_t l = 1; l <= 16; ++l) PrepareLayerRange(l, XLow, YLow, XHigh, YHigh);
    } else {
        PrepareLayerRange(Layer, XLow, YLow, XHigh, YHigh);
    }
    if (!ComponentState().Contains(csLoading) && (FAutoRedraw || ComponentState().Contains(csDesigning))) Paint();
}

void TCustomKurvex::PrepareLayerRange(int32_t Layer, long double XLow, long double YLow, long double XHigh,
                                      long double YHigh)
{
    const TScaleProps& x = *LayerScaleX(Layer);
    const TScaleProps& y = *LayerScaleY(Layer);
    if (XLow == XHigh) {
        if (x.Logarithmic()) XLow /= 1.1L, XHigh *= 1.1L;
        else XLow -= x.MinRange() / 2, XHigh += x.MinRange() / 2;
    }
    if (YLow == YHigh) {
        if (y.Logarithmic()) YLow /= 1.1L, YHigh *= 1.1L;
        else YLow -= y.MinRange() / 2, YHigh += y.MinRange() / 2;
    }
    if (FIsometric) {
        const double c = double((YLow + YHigh) / 2);
        const long double h = (XHigh - XLow) * (PlotHeight() + 1) / (PlotWidth() + 1) * FAspectY / FAspectX / 2;
        YHigh = c + h;
        YLow = c - h;
    }
    ApplyLayerRange(Layer, XLow, YLow, XHigh, YHigh);
}

void TCustomKurvex::ApplyLayerRange(int32_t Layer, long double XLow, long double YLow, long double XHigh,
                                    long double YHigh)
{
    if (Layer < 1 || Layer > 16) return;
    TSuspendScope scope(*this);
    if (FJointLayers.XControlledBy(Layer) != Layer) {
        XLow = LayerScaleX(Layer)->RangeLow();
        XHigh = LayerScaleX(Layer)->RangeHigh();
    }
    if (FJointLayers.YControlledBy(Layer) != Layer) {
        YLow = LayerScaleY(Layer)->RangeLow();
        YHigh = LayerScaleY(Layer)->RangeHigh();
    }
    StoreLayerRange(Layer, XLow, YLow, XHigh, YHigh);
    for (int32_t k = 1; k <= 16; ++k) {
        if (k == Layer) continue;
        const int32_t cx = FJointLayers.XControlledBy(k), cy = FJointLayers.YControlledBy(k);
        if (cx != Layer && cy != Layer) continue;
        const TScaleProps& xs = *LayerScaleX(cx);
        const TScaleProps& ys = *LayerScaleY(cy);
        StoreLayerRange(k, xs.RangeLow(), ys.RangeLow(), xs.RangeHigh(), ys.RangeHigh());
    }
    SuspendPaint(scope.Release());
}

void TCustomKurvex::StoreLayerRange(int32_t Layer, long double XLow, long double YLow, long double XHigh,
                                    long double YHigh)
{
    if (Layer < 1 || Layer > 16) return;
    auto store = [](TScaleProps& axis, long double lo, long double hi) {
        if (std::fabs(hi - lo) < 0.99L * axis.MinRange()) return;
        if (axis.Logarithmic()) {
            if (lo >= 1e-100L) axis.StoreRangeLow(double(lo));
            if (hi >= 1e-100L) axis.StoreRangeHigh(double(hi));
        } else {
            axis.StoreRangeHigh(double(hi));
            axis.StoreRangeLow(double(lo));
        }
    };
    store(*LayerScaleX(Layer), XLow, XHigh);
    store(*LayerScaleY(Layer), YLow, YHigh);
    SyncScaleControl(*FPainterX[size_t(Layer - 1)], *FScaleX[size_t(Layer - 1)]);
    SyncScaleControl(*FPainterY[size_t(Layer - 1)], *FScaleY[size_t(Layer - 1)]);
    CalcTransform();
}

void TCustomKurvex::RecentreIsometric(int32_t plotWidthPlusOne)
{
    for (int32_t l = 1; l <= 16; ++l) {
        TScaleProps& x = *LayerScaleX(l);
        TScaleProps& y = *LayerScaleY(l);
        const double c = (y.RangeLow() + y.RangeHigh()) / 2;
        const long double h = ((long double)x.RangeHigh() - x.RangeLow()) * (PlotHeight() + 1) / plotWidthPlusOne *
                              FAspectY / FAspectX / 2;
        y.SetRangeHigh(double(c + h));
        y.SetRangeLow(double(c - h));
    }
}

void TCustomKurvex::SetIsometric(bool value)
{
    FIsometric = value;
    if (!value) return;
    RecentreIsometric(PlotWidth() + 1);
    RedrawIfAuto();
}

}  // namespace qvx
