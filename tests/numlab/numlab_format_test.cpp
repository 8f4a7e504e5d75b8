// Number texts of the numeric label: the raw text of every display type, the
// formatting helpers, and the label's own steps on top (separator, plus sign,
// display hook, width check) together with the setters that guard them.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "numlab/NumLab.h"
#include "numlab/NumLabFormat.h"
#include "platform/graphics/Canvas.h"

using namespace qvx;
using namespace qvx::numlab;

namespace {

const std::string kOverflow = "*********";
const std::string kDeg = "\xC2\xB0";
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

}  // namespace

TEST(NumLabRawTextTest, EveryDisplayType)
{
    struct Case {
        TDisplay type;
        double value;
        int32_t precision;
        std::string expected;
    };
    using D = TDisplay;
    const Case cases[] = {
        // Fixed: decimal rounding on the shortest decimal form, halves away from zero.
        {D::dtFixP, 3.14159, 2, "3.14"},
        {D::dtFixP, 0, 2, "0.00"},
        {D::dtFixP, -2.5, 2, "-2.50"},
        {D::dtFixP, 2.675, 2, "2.68"},
        {D::dtFixP, 1.005, 2, "1.01"},
        {D::dtFixP, -2.675, 2, "-2.68"},
        {D::dtFixP, 9.995, 2, "10.00"},
        {D::dtFixP, 0.5, 0, "1"},
        {D::dtFixP, -0.001, 2, "0.00"},  // no "-0.00"
        {D::dtFixP, 1e20, 2, "1E020"},   // beyond 18 integer digits: general form, 18 digits
        // General: P significant digits, P below 2 counts as 2.
        {D::dtFloat, 234.56, 3, "235"},
        {D::dtFloat, 0.00012345, 3, "0.000123"},
        {D::dtFloat, 0.0000123, 3, "1.23E-005"},
        {D::dtFloat, 1.5e-7, 0, "1.5E-007"},
        {D::dtFloat, 1.5e-7, 2, "1.5E-007"},
        {D::dtFloat, 120000, 2, "1.2E005"},
        {D::dtFloat, -0.5, 3, "-0.5"},
        {D::dtFloat, 0, 3, "0"},
        {D::dtFloat, kInf, 3, "INF"},
        {D::dtFloat, -kInf, 3, "-INF"},
        {D::dtFloat, kNaN, 3, "NAN"},
        // Exponent: always signed, three digits.
        {D::dtExp, 234.56, 3, "2.35E+002"},
        {D::dtExp, 0, 3, "0.00E+000"},
        {D::dtExp, 0.05, 3, "5.00E-002"},
        {D::dtExp, -999.6, 3, "-1.00E+003"},
        // Hex: the lowest min(P, 8) digits, zero-filled; outside 32 bits the indicator.
        {D::dtHex, 255, 4, "00FF"},
        {D::dtHex, 65536, 4, "0000"},
        {D::dtHex, -1, 4, "FFFF"},
        {D::dtHex, 5e9, 4, kOverflow},
        {D::dtHex, 255, 0, ""},
        {D::dtHex, 255, 12, "000000FF"},
        {D::dtHex, -1, 12, "FFFFFFFF"},
        {D::dtHex, 4294967295.0, 8, "FFFFFFFF"},
        // Zero-filled integer within the signed 32-bit range.
        {D::dtZeroInt, -42, 5, "-00042"},
        {D::dtZeroInt, 41.7, 5, "00042"},
        {D::dtZeroInt, 123456, 3, "123456"},
        {D::dtZeroInt, 3e9, 5, kOverflow},
        {D::dtZeroInt, kNaN, 5, kOverflow},
        // Integer: ties to even.
        {D::dtInt, 2.5, 2, "2"},
        {D::dtInt, 3.5, 2, "4"},
        {D::dtInt, -7.6, 2, "-8"},
        {D::dtInt, 1e10, 2, "10000000000"},
        // Binary and octal: the lowest P digits.
        {D::dtBin, 5, 8, "00000101"},
        {D::dtBin, 6, 2, "10"},
        {D::dtBin, 5, 0, ""},
        {D::dtBin, 5e9, 8, kOverflow},
        {D::dtOct, 8, 3, "010"},
        {D::dtOct, 0567, 2, "67"},
        // Engineering: P significant digits and an SI prefix.
        {D::dtEEng, 4700, 3, "4.70k"},
        {D::dtEEng, 0.0047, 3, "4.70m"},
        {D::dtEEng, 47, 3, "47.0"},
        {D::dtEEng, 1000, 3, "1.00k"},
        {D::dtEEng, 1e6, 3, "1.00M"},
        {D::dtEEng, 0.001, 3, "1.00m"},
        {D::dtEEng, -4700, 3, "-4.70k"},
        {D::dtEEng, 0, 3, "0.00"},
        {D::dtEEngNoDP, 4700, 3, "4k70"},
        // Angles.
        {D::dtDeg, 12.345, 2, "12.35" + kDeg},
        {D::dtDegMin, 12.5, 2, "12" + kDeg + " 30.00'"},
        {D::dtDegMin, -0.5, 2, "-0" + kDeg + " 30.00'"},
        // 12.5125 degrees = 12 degrees 30.75 minutes = 12 degrees 30 minutes 45 seconds.
        {D::dtDegMinSec, 12.5125, 1, "12" + kDeg + " 30' 45.0\""},
        // 1.0175 degrees = 1 degree 1 minute 3 seconds; minutes and seconds are blank-filled.
        {D::dtDegMinSec, 1.0175, 0, "1" + kDeg + "  1'   3\""},
        // Texts taken as they are.
        {D::dtState, 3.5, 2, "Running"},
        {D::dtDateTime, 45000.5, 2, "Mar-15, 2023"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "type " << int(c.type) << ", value " << c.value << ", P "
                                          << c.precision);
        TRawTextInput in;
        in.DisplayType = c.type;
        in.Value = c.value;
        in.Precision = c.precision;
        in.StateText = "Running";
        EXPECT_EQ(RawText(in), c.expected);
    }
}

TEST(NumLabHelpersTest, OctalAndBitsGiveTheLowestDigitsZeroFilled)
{
    const struct {
        bool octal;
        uint32_t v;
        int32_t count;
        std::string expected;
    } cases[] = {
        {true, 8, 3, "010"},
        {true, 01234, 2, "34"},
        {true, 7, 0, "7"},  // at least one digit
        {true, 8, -4, "0"},
        {true, 0xFFFFFFFFu, 20, "37777777777"},  // at most 11 digits
        {false, 5, 8, "00000101"},
        {false, 6, 2, "10"},
        {false, 3, 0, "1"},
        {false, 0xFFFFFFFFu, 40, std::string(32, '1')},  // at most 32 digits
        {false, 0x80000000u, 32, "1" + std::string(31, '0')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << (c.octal ? "octal " : "bits ") << c.v << " count " << c.count);
        EXPECT_EQ(c.octal ? FormatOctal(c.v, c.count) : FormatBits(c.v, c.count), c.expected);
    }
}

TEST(NumLabHelpersTest, FloorIntAndDecade)
{
    const struct {
        double x;
        int32_t floor;
    } floors[] = {{-0.5, -1}, {2.0, 2}, {-2.0, -2}, {2.9999, 2}, {-2.0001, -3}, {0.0, 0},
                  {1e300, INT32_MAX}, {-1e300, INT32_MIN}, {kInf, INT32_MAX}};
    for (const auto& c : floors) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(FloorInt(c.x), c.floor);
    }

    const struct {
        double x;
        int32_t decade;
    } decades[] = {{1000, 3}, {1e6, 6}, {0.001, -3}, {999.999, 2}, {1, 0}, {9.999999999, 0}, {1e-9, -9},
                   {1e15, 15}, {0.0099999, -3}};
    for (const auto& c : decades) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(Decade(c.x), c.decade);
    }
}

// --- The label's steps on top of the raw text ------------------------------------------------

TEST(NumLabFormatValueTextTest, SeparatorSwapAndPlusSign)
{
    struct Case {
        const char* name;
        TDisplay type;
        int32_t precision;
        double value;
        bool comma, plus;
        std::string expected;
    };
    using D = TDisplay;
    const Case cases[] = {
        {"fixed, comma", D::dtFixP, 2, 3.14159, true, false, "3,14"},
        {"fixed, point", D::dtFixP, 2, 3.14159, false, false, "3.14"},
        {"fixed, plus", D::dtFixP, 2, 3.14159, false, true, "+3.14"},
        {"fixed, plus and comma", D::dtFixP, 2, 3.14159, true, true, "+3,14"},
        {"zero gets no plus", D::dtFixP, 2, 0, false, true, "0.00"},
        {"negative keeps its minus", D::dtFixP, 2, -2, false, true, "-2.00"},
        {"engineering, comma", D::dtEEng, 3, 4700, true, true, "+4,70k"},
        {"hex: no plus", D::dtHex, 4, 255, true, true, "00FF"},
        {"binary: no plus", D::dtBin, 4, 5, true, true, "0101"},
        {"overflow indicator: no plus", D::dtZeroInt, 4, 3e9, true, true, kOverflow},
        // The default date format holds a comma that must survive.
        {"date: untouched", D::dtDateTime, 2, 45000.5, false, true, "Mar-15, 2023"},
        {"date with comma: untouched", D::dtDateTime, 2, 45000.5, true, true, "15.03.2023"},
        {"state: untouched", D::dtState, 2, 7, false, true, "a,b"},
        {"state with comma: untouched", D::dtState, 2, 7, true, true, "1.5 bar"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TNumLab lab(nullptr);
        lab.SetDisplayType(c.type);
        lab.SetPrecision(c.precision);
        lab.SetValue(c.value);
        lab.SetComma(c.comma);
        lab.SetForcePlusSign(c.plus);
        lab.SetStateText(c.comma ? "1.5 bar" : "a,b");
        lab.SetDTFormat(c.comma ? "dd.mm.yyyy" : "mmm-dd, yyyy");
        EXPECT_EQ(lab.FormatValueText(), c.expected);
    }
}

TEST(NumLabFormatValueTextTest, OverflowIndicatorIsNeverSwappedOrSigned)
{
    TNumLab lab(nullptr);
    lab.SetOverflowIndicator("-.-");
    lab.SetDisplayType(TDisplay::dtZeroInt);
    lab.SetValue(3e9);
    lab.SetComma(true);
    lab.SetForcePlusSign(true);
    EXPECT_EQ(lab.FormatValueText(), "-.-");
}

TEST(NumLabFormatValueTextTest, DisplayHookMayReplaceTheTextWithinTheFieldWidth)
{
    TNumLab lab(nullptr);
    lab.SetValue(3.14159);
    ASSERT_EQ(lab.LabelWidth(), 80);

    std::string seen;
    TObject* sender = nullptr;
    lab.OnBeforeDisplay = [&](TObject* s, std::string& text) {
        sender = s;
        seen = text;
        text = "n/a";
    };
    EXPECT_EQ(lab.FormatValueText(), "n/a");
    EXPECT_EQ(seen, "3.14");  // the hook sees the finished text
    EXPECT_EQ(sender, &lab);

    // The width limit is LabelWidth - 6 pixels in the label's font.
    const std::string wide = "1234567890 12345";
    TCanvas measure;
    measure.SetFont(lab.Font());
    const int32_t w = measure.TextWidth(wide);
    ASSERT_GT(w, 74);
    lab.OnBeforeDisplay = [&](TObject*, std::string& text) { text = wide; };
    EXPECT_EQ(lab.FormatValueText(), kOverflow);
    lab.SetLabelWidth(w + 6);
    EXPECT_EQ(lab.FormatValueText(), wide);
    lab.SetLabelWidth(w + 5);
    EXPECT_EQ(lab.FormatValueText(), kOverflow);
}

TEST(NumLabFormatValueTextTest, StateTextIsNeverReplacedHoweverWide)
{
    TNumLab lab(nullptr);
    const std::string state = "pressure relief valve open, operator acknowledgement pending";
    lab.SetDisplayType(TDisplay::dtState);
    lab.SetStateText(state);
    EXPECT_EQ(lab.FormatValueText(), state);
    lab.OnBeforeDisplay = [](TObject*, std::string& text) { text += " (again)"; };
    EXPECT_EQ(lab.FormatValueText(), state + " (again)");
}

TEST(NumLabSetterTest, GuardedValues)
{
    TNumLab lab(nullptr);

    lab.SetValue(1.5);
    lab.SetValue(kNaN);
    EXPECT_EQ(lab.Value(), 1.5);
    lab.SetValue(-kInf);
    EXPECT_EQ(lab.Value(), -kInf);

    const struct {
        int32_t in, stored;
    } precisions[] = {{7, 7}, {-1, 7}, {15, 15}, {20, 15}, {0, 0}, {INT32_MIN, 0}};
    for (const auto& c : precisions) {
        SCOPED_TRACE(::testing::Message() << "precision " << c.in);
        lab.SetPrecision(c.in);
        EXPECT_EQ(lab.Precision(), c.stored);
    }

    ASSERT_EQ(lab.Width(), 160);
    const struct {
        int32_t in, stored;
    } spaces[] = {{50, 50}, {-1, 50}, {500, 160}, {0, 0}, {160, 160}, {161, 160}};
    for (const auto& c : spaces) {
        SCOPED_TRACE(::testing::Message() << "left space " << c.in);
        lab.SetLeftSpace(c.in);
        EXPECT_EQ(lab.LeftSpace(), c.stored);
    }
}

TEST(NumLabSetterTest, SystemColourSchemeSwitchesTheFrameColoursAndBack)
{
    TNumLab lab(nullptr);
    EXPECT_EQ(lab.FrameColorShadow(), TColor(0x808080));
    EXPECT_EQ(lab.FrameColorLight(), TColor(0xFFFFFF));
    lab.SetColorScheme(TColorScheme::csSystem);
    EXPECT_EQ(lab.FrameColorShadow(), clBtnShadow);
    EXPECT_EQ(lab.FrameColorLight(), clBtnHighlight);
    lab.SetColorScheme(TColorScheme::csBWG);
    EXPECT_EQ(lab.FrameColorShadow(), TColor(0x808080));
    EXPECT_EQ(lab.FrameColorLight(), TColor(0xFFFFFF));
    EXPECT_EQ(lab.FrameColorDark(), clBlack);
}
