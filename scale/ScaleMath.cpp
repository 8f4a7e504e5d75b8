#include "scale/ScaleMath.h"

#include <cmath>

namespace qvx::scale {

int64_t Round(long double x)
{
    if (std::isnan(x)) return 0;
    if (x >= 9.2e18L) return INT64_MAX;
    if (x <= -9.2e18L) return INT64_MIN;
    return static_cast<int64_t>(std::nearbyint(x));
}

int32_t FloorInt(long double x)
{
    const int64_t n = Round(x);
    const int64_t f = x < n ? n - 1 : n;
    return static_cast<int32_t>(f < INT32_MIN ? INT32_MIN : f > INT32_MAX ? INT32_MAX : f);
}

int32_t CeilInt(long double x)
{
    const int64_t n = Round(x);
    const int64_t c = x > n ? n + 1 : n;
    return static_cast<int32_t>(c < INT32_MIN ? INT32_MIN : c > INT32_MAX ? INT32_MAX : c);
}

long double Pow10(int32_t n)
{
    // Repeated multiplication by 10 is exact as long as the result fits the
    // 64-bit mantissa; exp(n ln 10) is not (1000 would come out as 999.99...).
    long double r = 1;
    const long double f = n < 0 ? 0.1L : 10.0L;
    for (int32_t i = 0; i < (n < 0 ? -n : n); ++i) r = n < 0 ? r / 10.0L : r * f;
    return r;
}

TTickSpacing CalcTickSpacing(int32_t MinTicks, long double High, long double Low)
{
    TTickSpacing s;
    if (Low == High) {
        s.First = Low;
        return s;
    }
    const long double dir = Low < High ? 1 : -1;
    if (MinTicks == 0) {
        s.Step = dir;
        s.SubDiv = std::fabs(High - Low) > 10 ? 1 : 5;
    } else {
        const long double ln10 = std::log(10.0L);
        long double x = std::log(std::fabs(High - Low) / MinTicks) / ln10;
        long double h = x - std::trunc(x);
        if (std::fabs(h) < 1e-10L || std::fabs(h) > 0.9999999999L) {
            h = 0;
            x = std::nearbyint(x);
        }
        if (x < 0 && h != 0) x -= 1;
        if (h < 0) h += 1;
        constexpr long double L2 = 0.3010299956639812L, L5 = 0.6989700043360189L;
        // The decade is exact; only the mantissa comes from the logarithm.
        const int32_t decade = static_cast<int32_t>(std::trunc(x));
        long double mantissa;
        if (h < L2 + 1e-10L) {
            mantissa = 1;
            s.SubDiv = 5;
        } else if (h < L5 + 1e-10L) {
            mantissa = 2;
            s.SubDiv = 4;
        } else {
            mantissa = 5;
            s.SubDiv = 5;
        }
        s.Step = mantissa * Pow10(decade) * dir;
    }
    s.First = (std::trunc(Low / s.Step) - 1) * s.Step;
    while (0.001L * std::fabs(s.Step) < dir * (Low - s.First)) s.First += s.Step;
    return s;
}

}  // namespace qvx::scale
