#include "scale/ScaleDrag.h"

#include <cmath>

namespace qvx {

bool ScaleDragRange(const TScaleDragInput& in, double& NewLow, double& NewHigh)
{
    const bool horizontal = in.ScaleType == TScaleType::sctXB || in.ScaleType == TScaleType::sctXT;
    const double pw = double(in.Width - in.MarginLeft - in.MarginRight);
    const double ph = double(in.Height - in.MarginTop - in.MarginBottom);
    const double x = in.X, y = in.Y, x0 = in.X0, y0 = in.Y0;
    const double g = std::sqrt(in.Low0 * in.High0);
    const double r = in.High0 / g;
    switch (in.Action) {
    case TMouseActMode::maPan:
        if (horizontal && !in.Logarithmic) {
            const double d = (in.High - in.Low) * (x - x0) / pw;
            NewLow = in.Low0 - d;
            NewHigh = in.High0 - d;
        } else if (horizontal) {
            const double f = std::exp(std::log(in.High / in.Low) * (x0 - x) / pw);
            NewLow = in.Low0 * f;
            NewHigh = in.High0 * f;
        } else if (!in.Logarithmic) {
            const double d = (in.High - in.Low) * (y - y0) / ph;
            NewLow = in.Low0 + d;
            NewHigh = in.High0 + d;
        } else {
            const double f = std::exp(std::log(in.High / in.Low) * (y - y0) / ph);
            NewLow = in.Low0 * f;
            NewHigh = in.High0 * f;
        }
        return true;
    case TMouseActMode::maZoom:
        if (horizontal) {
            if (x0 < in.MarginLeft + pw / 2) {  // left half moves the low end
                NewHigh = in.High0;
                NewLow = in.Logarithmic ? g / std::pow(r, (x - x0) / pw + 1)
                                        : in.High0 - (in.High0 - in.Low0) * (in.Width - in.MarginRight - x0) /
                                                         (in.Width - in.MarginRight - x);
            } else {
                NewLow = in.Low0;
                NewHigh = in.Logarithmic ? g * std::pow(r, (x0 - x) / pw + 1)
                                         : in.Low0 + (in.High0 - in.Low0) * (x0 - in.MarginLeft) / (x - in.MarginLeft);
            }
        } else {
            if (y0 > in.MarginTop + ph / 2) {  // lower half moves the low end
                NewHigh = in.High0;
                NewLow = in.Logarithmic ? g / std::pow(r, (y0 - y) / ph + 1)
                                        : in.High0 - (in.High0 - in.Low0) * (y0 - in.MarginTop) / (y - in.MarginTop);
            } else {
                NewLow = in.Low0;
                NewHigh = in.Logarithmic ? g * std::pow(r, (y - y0) / ph + 1)
                                         : in.Low0 + (in.High0 - in.Low0) * (in.Height - in.MarginBottom - y0) /
                                                         (in.Height - in.MarginBottom - y);
            }
        }
        return true;
    case TMouseActMode::maZoomDrag: {
        const double t = horizontal ? 1 - (x - x0) / in.Width : (y - y0) / in.Height + 1;
        if (in.Logarithmic) {
            NewLow = g / std::pow(r, t);
            NewHigh = g * std::pow(r, t);
        } else {
            const double c = (in.Low0 + in.High0) / 2, h = (in.High0 - in.Low0) * t / 2;
            NewLow = c - h;
            NewHigh = c + h;
        }
        return true;
    }
    default: return false;
    }
}

}  // namespace qvx
