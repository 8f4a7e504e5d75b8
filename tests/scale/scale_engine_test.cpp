// The numeric side of the axis scale engine: nice tick spacing, the tick
// sequences a drawing produces and records, label texts and their helpers,
// where labels and captions land, the order of the drawing events, and the
// pixels of a painted scale.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/graphics/Bitmap.h"
#include "scale/QVX_Scale.h"

using namespace qvx;
using namespace qvx::scale;

namespace {

constexpr TColor kYellow = 0x00FFFF;
constexpr TColor kBlue = 0xFF0000;
constexpr TColor kRed = 0x0000FF;

std::string Num(double v)
{
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.10g", v);
    return buf;
}

bool Horizontal(const TScale& s) { return s.ScaleType() == TScaleType::sctXB || s.ScaleType() == TScaleType::sctXT; }

// The base line position Paint would use without offsets.
int32_t BasePos(const TScale& s)
{
    switch (s.ScaleType()) {
    case TScaleType::sctXB: return s.Height() - s.MarginBottom() - 1;
    case TScaleType::sctXT: return s.MarginTop();
    case TScaleType::sctYL: return s.MarginLeft();
    default: return s.Width() - s.MarginRight() - 1;
    }
}

// Draws the scale once onto a white bitmap of its own size.
void DrawOnce(TScale& s, TBitmap& bmp)
{
    bmp.SetSize(s.Width(), s.Height());
    if (Horizontal(s)) s.DrawHorizScale(*bmp.Canvas(), BasePos(s));
    else s.DrawVertScale(*bmp.Canvas(), BasePos(s));
}

void DrawOnce(TScale& s)
{
    TBitmap bmp;
    DrawOnce(s, bmp);
}

// Everything a drawing announces, in order.
struct Recorder {
    std::vector<double> ticks;        // OnScaleTickDrawn values
    std::vector<std::string> labels;  // texts handed to OnBeforeTickLabel
    std::vector<double> labelValues;  // values handed to OnBeforeTickLabel
    std::vector<std::string> log;     // "tick v" / "label v text" / "before" / "after"

    void Attach(TScale& s)
    {
        s.OnScaleTickDrawn = [this](TObject*, TCanvas*, TScaleType, double v, int32_t, int32_t) {
            ticks.push_back(v);
            log.push_back("tick " + Num(v));
        };
        s.OnBeforeTickLabel = [this](TObject*, TScaleType, double v, std::string& text) {
            labels.push_back(text);
            labelValues.push_back(v);
            log.push_back("label " + Num(v) + " " + text);
        };
        s.OnBeforeScaleRendered = [this](TObject*, TCanvas*) { log.push_back("before"); };
        s.OnAfterScaleRendered = [this](TObject*, TCanvas*) { log.push_back("after"); };
    }
};

void ExpectValues(const std::vector<double>& actual, const std::vector<double>& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_NEAR(actual[i], expected[i], 1e-9 * std::max(1.0, std::fabs(expected[i]))) << "index " << i;
}

std::vector<double> Seq(double from, double to, double step)
{
    std::vector<double> v;
    const int n = int(std::lround((to - from) / step));
    for (int i = 0; i <= n; ++i) v.push_back(from + i * step);
    return v;
}

std::vector<double> Concat(std::vector<double> a, const std::vector<double>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<double> Recorded(const TScale& s)
{
    std::vector<double> v;
    for (int32_t i = 1; i <= s.NumTicks(); ++i) v.push_back(s.TickPos(i));
    return v;
}

// First and last column of row y (within [x0, x1)) that has the colour;
// {-1, -1} when none has.
std::pair<int, int> ColourSpan(TCanvas& c, int y, TColor colour, int x0, int x1)
{
    int first = -1, last = -1;
    for (int x = x0; x < x1; ++x)
        if (c.Pixels(x, y) == colour) {
            if (first < 0) first = x;
            last = x;
        }
    return {first, last};
}

}  // namespace

// --- Nice-number spacing -----------------------------------------------------------------

TEST(CalcTickSpacing, EdgeCases)
{
    struct Case {
        const char* name;
        int32_t minTicks;
        long double low, high;
        long double step, first;
        uint16_t subDiv;
    };
    const Case cases[] = {
        {"0..100 MinTicks 3", 3, 0, 100, 20, 0, 4},
        {"0..1 MinTicks 3", 3, 0, 1, 0.2L, 0, 4},
        {"ratio exactly 2 counts as below 2", 5, 0, 10, 1, 0, 5},
        {"ratio exactly 50 counts as below 50", 2, 0, 100, 20, 0, 4},
        {"ratio exactly 0.02 counts as below", 3, 0, 0.06L, 0.01L, 0, 5},
        {"ratio 55", 2, 0, 110, 50, 0, 5},
        {"mantissa 1e-11 above 2 counts as below", 5, 0, 10.0000000001L, 1, 0, 5},
        {"mantissa 1e-9 above 2 counts as 2", 5, 0, 10.00000001L, 2, 0, 4},
        {"mantissa 1e-11 above 5 counts as below", 2, 0, 100.000000001L, 20, 0, 4},
        {"mantissa 1e-9 above 5 counts as 5", 2, 0, 100.0000001L, 50, 0, 5},
        {"mantissa just below 10 counts as 10", 3, 0, 29.99999999997L, 10, 0, 5},
        {"mantissa just below 0.1 counts as 0.1", 3, 0, 0.29999999999997L, 0.1L, 0, 5},
        {"ratio 3.5", 4, -17, -3, 2, -16, 4},
        {"ratio exactly 10", 3, 0, 30, 10, 0, 5},
        {"ratio exactly 1000", 3, 0, 3000, 1000, 0, 5},
        {"ratio exactly 0.1", 3, 0, 0.3L, 0.1L, 0, 5},
        {"ratio exactly 0.001", 3, 0, 0.003L, 0.001L, 0, 5},
        {"ratio exactly 1e-6", 2, 0, 2e-6L, 1e-6L, 0, 5},
        {"symmetric -1..1", 3, -1, 1, 0.5L, -1, 5},
        {"0..2e6", 3, 0, 2e6L, 5e5L, 0, 5},
        {"reversed 100..0", 3, 100, 0, -20, 100, 4},
        {"First may precede Low by 0.001 Step", 3, 0.01L, 100, 20, 0, 4},
        {"First beyond Low when the tolerance is exceeded", 3, 0.03L, 100, 20, 20, 4},
        {"MinTicks 0, 0.2..30", 0, 0.2L, 30, 1, 1, 1},
        {"MinTicks 0, 0..10", 0, 0, 10, 1, 0, 5},
        {"MinTicks 0, reversed 30..0.2", 0, 30, 0.2L, -1, 30, 1},
        {"MinTicks 0, 0.2..0.7", 0, 0.2L, 0.7L, 1, 1, 5},
        {"equal bounds", 3, 5, 5, 0, 5, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TTickSpacing sp = CalcTickSpacing(c.minTicks, c.high, c.low);
        EXPECT_NEAR(double(sp.Step), double(c.step), 1e-12 * std::fabs(double(c.step)));
        EXPECT_NEAR(double(sp.First), double(c.first), 1e-12 * std::max(1.0, std::fabs(double(c.step))));
        EXPECT_EQ(sp.SubDiv, c.subDiv);
    }
}

TEST(CalcTickSpacing, PowersOfTenAreExactSteps)
{
    EXPECT_EQ(CalcTickSpacing(3, 3000, 0).Step, 1000.0L);
    EXPECT_EQ(CalcTickSpacing(3, 3e6L, 0).Step, 1e6L);
    EXPECT_EQ(CalcTickSpacing(2, 200, 0).Step, 100.0L);
    EXPECT_EQ(CalcTickSpacing(3, 30, 0).Step, 10.0L);
}

// --- Tick sequences through a drawing ---------------------------------------------------

TEST(ScaleTicks, SequencesAndRecording)
{
    struct Case {
        const char* name;
        TScaleType type;
        bool log;
        double low, high;
        int32_t minTicks;
        bool shortTicks;
        std::vector<double> announced;
        std::vector<double> recorded;
    };
    const std::vector<double> shorts0to100 = Seq(0, 100, 5), majors0to100 = Seq(0, 100, 20);
    const std::vector<double> log1to100 = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100};
    const Case cases[] = {
        {"horizontal: shorts recorded, majors not", TScaleType::sctXB, false, 0, 100, 3, true,
         Concat(shorts0to100, majors0to100), shorts0to100},
        {"vertical: majors recorded after the shorts", TScaleType::sctYL, false, 0, 100, 3, true,
         Concat(shorts0to100, majors0to100), Concat(shorts0to100, majors0to100)},
        {"horizontal without short ticks", TScaleType::sctXT, false, 0, 100, 3, false, majors0to100, majors0to100},
        {"reversed", TScaleType::sctYR, false, 100, 0, 3, false, Seq(100, 0, -20), Seq(100, 0, -20)},
        {"negative range", TScaleType::sctXB, false, -17, -3, 4, false, Seq(-16, -4, 2), Seq(-16, -4, 2)},
        {"MinTicks 0, unit steps", TScaleType::sctXB, false, 0.2, 30, 0, true, Concat(Seq(1, 30, 1), Seq(1, 30, 1)),
         Seq(1, 30, 1)},
        {"Low just past a tick: the major is drawn, the short is not", TScaleType::sctXB, false, 0.001, 100, 3, true,
         Concat(Seq(5, 100, 5), majors0to100), Seq(5, 100, 5)},
        {"MinTicks 0, First beyond the range", TScaleType::sctXB, false, 0.2, 0.7, 0, false, {1}, {1}},
        {"log decades only", TScaleType::sctYL, true, 1, 1000, 3, true, {1, 10, 100, 1000}, {1, 10, 100, 1000}},
        {"log decades only, horizontal", TScaleType::sctXB, true, 1, 1000, 3, false, {1, 10, 100, 1000},
         {1, 10, 100, 1000}},
        {"log reversed", TScaleType::sctYR, true, 1000, 1, 3, true, {1, 10, 100, 1000}, {1, 10, 100, 1000}},
        {"log with intermediates", TScaleType::sctYL, true, 1, 100, 3, true, log1to100, log1to100},
        {"log intermediates without short ticks", TScaleType::sctXB, true, 1, 100, 3, false,
         {1, 2, 5, 10, 20, 50, 100}, {1, 2, 5, 10, 20, 50, 100}},
        {"log under a decade: linear ticks", TScaleType::sctYL, true, 2, 15, 3, false, Seq(2, 14, 2), Seq(2, 14, 2)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TScale s(nullptr);
        s.SetBounds(0, 0, 300, 300);
        s.SetScaleType(c.type);
        s.SetRange(c.low, c.high);
        s.SetLogarithmic(c.log);
        s.SetMinTicks(c.minTicks);
        s.SetShortTicks(c.shortTicks);
        Recorder rec;
        rec.Attach(s);
        DrawOnce(s);
        ExpectValues(rec.ticks, c.announced);
        ExpectValues(Recorded(s), c.recorded);
        // A second drawing starts the record afresh.
        DrawOnce(s);
        EXPECT_EQ(s.NumTicks(), int32_t(c.recorded.size()));
    }
}

TEST(ScaleTicks, RecordingStopsAt250WhileDrawingGoesOn)
{
    TScale s(nullptr);
    s.SetBounds(0, 0, 400, 60);
    s.SetMinTicks(0);
    s.SetRange(0, 300);  // 301 short and 301 major unit ticks
    Recorder rec;
    rec.Attach(s);
    DrawOnce(s);
    EXPECT_EQ(rec.ticks.size(), 602u);
    EXPECT_EQ(s.NumTicks(), 250);
    EXPECT_EQ(s.TickPos(1), 0);
    EXPECT_EQ(s.TickPos(250), 249);
    EXPECT_EQ(s.TickPos(251), 0);
    EXPECT_EQ(s.TickPos(0), 0);
    EXPECT_EQ(s.TickPos(-1), 0);
}

TEST(ScaleTicks, LogarithmicRecordKeepsTheLabelledPositions)
{
    // Logarithmic short ticks (3, 4, 6 ...) never pass the decades, so a
    // horizontal scale must record its labelled ticks too: the chart's grid
    // reads them.
    TScale s(nullptr);
    s.SetBounds(0, 0, 400, 60);
    s.SetRange(1, 100);
    s.SetLogarithmic(true);
    DrawOnce(s);
    std::vector<double> recorded;
    for (int i = 1; i <= s.NumTicks(); ++i) recorded.push_back(s.TickPos(i));
    for (double decade : {1.0, 10.0, 100.0})
        EXPECT_NE(std::find(recorded.begin(), recorded.end(), decade), recorded.end()) << decade;
}

TEST(ScaleTicks, UnitStepsOverAHugeRangeStopInsteadOfHanging)
{
    TScale s(nullptr);
    s.SetBounds(0, 0, 400, 60);
    s.SetMinTicks(0);
    s.SetRange(0, 1e12);
    Recorder rec;
    rec.Attach(s);
    DrawOnce(s);
    EXPECT_LE(rec.ticks.size(), 200000u);
    EXPECT_EQ(s.NumTicks(), 250);
}

TEST(ScaleTicks, BasePointsAndLogMappingOfLinearFallback)
{
    struct Point {
        double v;
        int32_t x, y;
    };
    for (TScaleType type : {TScaleType::sctXB, TScaleType::sctYR}) {
        SCOPED_TRACE(int(type));
        TScale s(nullptr);
        s.SetBounds(0, 0, 320, 240);
        s.SetScaleType(type);
        s.SetRange(2, 15);
        s.SetLogarithmic(true);
        s.SetShortTicks(false);
        std::vector<Point> points;
        s.OnScaleTickDrawn = [&](TObject* sender, TCanvas*, TScaleType st, double v, int32_t x, int32_t y) {
            EXPECT_EQ(sender, &s);
            EXPECT_EQ(st, type);
            points.push_back({v, x, y});
        };
        DrawOnce(s);
        ASSERT_EQ(points.size(), 7u);  // 2, 4, ... 14: linear ticks
        for (const Point& p : points) {
            // The mapping stays logarithmic.
            const double frac = std::log(p.v / 2) / std::log(15.0 / 2);
            if (type == TScaleType::sctXB) {
                EXPECT_EQ(p.x, int32_t(std::lround(20 + frac * (320 - 41))));
                EXPECT_EQ(p.y, 240 - 20 - 1);
            } else {
                EXPECT_EQ(p.x, 320 - 20 - 1);
                EXPECT_EQ(p.y, int32_t(std::lround(20 + (1 - frac) * (240 - 41))));
            }
        }
    }
}

// --- Label texts ---------------------------------------------------------------------------

TEST(TickLabelText, AutoDecPlacesLin)
{
    struct Case {
        int32_t decPlaces;
        long double low, high;
        int32_t expected;
    };
    const Case cases[] = {
        {-2, 0, 0.001L, 5},   {-2, 0, 0.01L, 4},    {-2, 0, 0.1L, 3},     {-2, 0, 1, 2},      {-2, 0, 3, 2},
        {-2, 0, 10, 1},       {-2, 0, 20, 1},       {-2, 0, 50, 0},       {-2, 0, 100, 0},    {-2, 0, 999999, 0},
        {-2, 0, 0.3L, 2},     {-2, 0, 0.03L, 3},    {-2, 0, 0.0002L, 5},  {-2, 0, 1e6L, -1},  {-2, 0, 0.0001L, -1},
        {-2, 0, 0.00011L, 6}, {-2, 100, 0, 0},      {-2, 5, 4, 2},        {-3, 0, 1, 2},      {-3, 0, 2e6L, -1},
        {-1, 0, 1, -1},       {0, 0, 0.001L, 0},    {7, 0, 1e9L, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.decPlaces << " " << double(c.low) << ".." << double(c.high));
        EXPECT_EQ(AutoDecPlacesLin(c.decPlaces, c.high, c.low), c.expected);
    }
}

TEST(TickLabelText, AutoDecPlacesLog)
{
    struct Case {
        int32_t decPlaces;
        long double low, high;
        int32_t expected;
    };
    const Case cases[] = {
        {-2, 1, 1000, 0},   {-2, 1000, 1, 0},      {-2, 0.01L, 1, 3},     {-2, 0.5L, 10, 1},
        {-2, 0.05L, 1, 2},  {-2, 0.001L, 0.1L, 4}, {-2, 1, 1000001, -1},  {-2, 1, 1.00005L, -1},
        {-3, 0.01L, 1, -3}, {-1, 1, 100, -1},      {2, 0.01L, 1, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.decPlaces << " " << double(c.low) << ".." << double(c.high));
        EXPECT_EQ(AutoDecPlacesLog(c.decPlaces, c.high, c.low), c.expected);
    }
}

TEST(TickLabelText, FormatTickNumber)
{
    struct Case {
        int32_t places;
        double value;
        const char* expected;
    };
    const Case cases[] = {
        {0, 20, "20"},
        {2, 0.2, "0.20"},
        {2, -1, "-1.00"},
        {1, 0.06, "0.1"},
        {3, 1234.5, "1234.500"},
        {0, 1234567, "1234567"},
        {12, 120, "120.000000000000"},
        {-1, 1500, " 1.5E+03"},
        {-1, -2e-5, "-2.0E-05"},
        {-1, 5e5, " 5.0E+05"},
        {-1, 123456, " 1.2E+05"},
        {-1, 0.996, " 1.0E+00"},
        {-1, 0, " 0.0E+00"},
        {-1, 1e99, " 1.0E+99"},
        {-1, 1e120, "********"},
        {-1, -1e120, "********"},
        {-1, 1e-120, "********"},
        {-1, 9.96e99, "********"},  // rounds up to an exponent of 100
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.places << " " << c.value);
        EXPECT_EQ(FormatTickNumber(1, c.places, c.value), c.expected);
    }
}

TEST(TickLabelText, UserTickItem)
{
    struct Case {
        const char* text;
        int32_t index;
        const char* expected;
    };
    const Case cases[] = {
        {"Lo|Mid|Hi", 1, "Lo"},  {"Lo|Mid|Hi", 2, "Mid"},  {"Lo|Mid|Hi", 3, "Hi"},  {"Lo|Mid|Hi", 4, "Hi"},
        {"Lo|Mid|Hi", 9, "Hi"},  {"Lo|Mid|Hi", 0, ""},     {"Lo|Mid|Hi", -1, ""},   {"Lo|Mid|Hi|", 3, "Hi"},
        {"Lo|Mid|Hi|", 4, ""},   {"Lo|Mid|Hi|", 5, ""},    {"", 1, ""},             {"single", 1, "single"},
        {"single", 2, "single"}, {"|a", 1, ""},            {"|a", 2, "a"},          {"a||b", 2, ""},
        {"a||b", 3, "b"},        {"|", 1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << '"' << c.text << "\" " << c.index);
        EXPECT_EQ(UserTickItem(c.text, c.index), c.expected);
    }
}

TEST(TickLabelText, ApplyInscript)
{
    struct Case {
        const char* label;
        const char* inscript;
        const char* expected;
    };
    const Case cases[] = {
        {"20", "&%", "20%"}, {"20", "$", "$20"},   {"20", "", "20"},         {"", "$", ""},
        {"", "&%", ""},      {"20", "&", "20"},    {"20", "a&b&c", "a20b&c"}, {"-1.5", "(&) V", "(-1.5) V"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.label << " / " << c.inscript);
        EXPECT_EQ(ApplyInscript(c.label, c.inscript), c.expected);
    }
}

// The texts a drawing hands to OnBeforeTickLabel, for linear and logarithmic
// scales of both orientations.
TEST(TickLabelText, LabelsOfADrawing)
{
    struct Case {
        const char* name;
        double low, high;
        bool log;
        int32_t minTicks;
        int32_t decPlaces;
        TFigType labelType;
        const char* userText;
        const char* inscript;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"0..100", 0, 100, false, 3, -2, TFigType::ftNum, "", "", {"0", "20", "40", "60", "80", "100"}},
        {"0..1", 0, 1, false, 3, -2, TFigType::ftNum, "", "", {"0.00", "0.20", "0.40", "0.60", "0.80", "1.00"}},
        {"0..2e6: exponent form, zero as 0.0", 0, 2e6, false, 3, -2, TFigType::ftNum, "", "",
         {"0.0", " 5.0E+05", " 1.0E+06", " 1.5E+06", " 2.0E+06"}},
        {"exponent form beyond 99: stars", 0, 2e120, false, 2, -1, TFigType::ftNum, "", "",
         {"0.0", "********", "********"}},
        {"-1..1: zero without a sign", -1, 1, false, 3, -2, TFigType::ftNum, "", "",
         {"-1.00", "-0.50", "0.00", "0.50", "1.00"}},
        {"DecPlaces 0: integer ticks only", 0, 1, false, 3, 0, TFigType::ftNum, "", "",
         {"0", "", "", "", "", "1"}},
        {"DecPlaces 12: cut to 14 characters", 100, 200, false, 3, 12, TFigType::ftNum, "", "",
         {"100.0000000000", "120.0000000000", "140.0000000000", "160.0000000000", "180.0000000000",
          "200.0000000000"}},
        {"user texts repeat the last", 0, 80, false, 3, -2, TFigType::ftUserText, "Lo|Mid|Hi", "",
         {"Lo", "Mid", "Hi", "Hi", "Hi"}},
        {"user texts with a trailing bar", 0, 80, false, 3, -2, TFigType::ftUserText, "Lo|Mid|Hi|", "",
         {"Lo", "Mid", "Hi", "", ""}},
        {"inscription with &", 0, 50, false, 2, -2, TFigType::ftNum, "", "&%", {"0%", "20%", "40%"}},
        {"inscription as prefix", 0, 50, false, 2, -2, TFigType::ftNum, "", "$", {"$0", "$20", "$40"}},
        {"inscription skips unlabelled ticks", 0, 1, false, 3, 0, TFigType::ftNum, "", "$",
         {"$0", "", "", "", "", "$1"}},
        {"wide range, DecPlaces 0: zero as 0", 0, 2e5, false, 2, -2, TFigType::ftNum, "", "",
         {"0", "100000", "200000"}},
        {"wide range, other decimals: zero as 0.0", 0, 2e5, false, 2, 2, TFigType::ftNum, "", "",
         {"0.0", "100000.00", "200000.00"}},
        {"no labels", 0, 100, false, 3, -2, TFigType::ftNoFigs, "", "", {}},
        {"log DecPlaces -3: exponents", 1, 1000, true, 3, -3, TFigType::ftNum, "", "", {"0", "1", "2", "3"}},
        {"log DecPlaces -3: 2s and 5s empty", 0.01, 1, true, 3, -3, TFigType::ftNum, "", "",
         {"-2", "", "", "-1", "", "", "0"}},
        {"log 0.01..1, MinTicks 2: trimmed", 0.01, 1, true, 2, -2, TFigType::ftNum, "", "", {"0.01", "0.1", "1"}},
        {"log 0.01..1, MinTicks 3: trimmed, intermediates labelled", 0.01, 1, true, 3, -2, TFigType::ftNum, "", "",
         {"0.01", "0.02", "0.05", "0.1", "0.2", "0.5", "1"}},
        {"log explicit decimals: not trimmed", 1, 100, true, 2, 2, TFigType::ftNum, "", "",
         {"1.00", "10.00", "100.00"}},
        {"log exponent form: not trimmed", 1, 1e7, true, 3, -2, TFigType::ftNum, "", "",
         {" 1.0E+00", " 1.0E+01", " 1.0E+02", " 1.0E+03", " 1.0E+04", " 1.0E+05", " 1.0E+06", " 1.0E+07"}},
        {"log exponent form beyond 99: stars", 1e119, 1e121, true, 2, -1, TFigType::ftNum, "", "",
         {"********", "********", "********"}},
        {"log user texts count labelled ticks", 1, 100, true, 3, -2, TFigType::ftUserText, "a|b|c|d|e|f", "",
         {"a", "b", "c", "d", "e", "f", "f"}},
        {"log inscription", 1, 100, true, 2, -2, TFigType::ftNum, "", "x&", {"x1", "x10", "x100"}},
    };
    for (const Case& c : cases) {
        for (TScaleType type : {TScaleType::sctXB, TScaleType::sctYL}) {
            SCOPED_TRACE(::testing::Message() << c.name
                                              << (type == TScaleType::sctXB ? " (horizontal)" : " (vertical)"));
            TScale s(nullptr);
            s.SetBounds(0, 0, 400, 400);
            s.SetScaleType(type);
            s.SetRange(c.low, c.high);
            s.SetLogarithmic(c.log);
            s.SetMinTicks(c.minTicks);
            s.SetDecPlaces(c.decPlaces);
            s.SetLabelType(c.labelType);
            s.SetUserTickText(c.userText);
            s.SetScaleInscript(c.inscript);
            s.SetShortTicks(false);
            Recorder rec;
            rec.Attach(s);
            DrawOnce(s);
            EXPECT_EQ(rec.labels, c.expected);
            // The counter of user texts restarts with every drawing.
            rec.labels.clear();
            DrawOnce(s);
            EXPECT_EQ(rec.labels, c.expected);
        }
    }
}

TEST(TickLabelText, NearZeroTickBecomesExactlyPlusZero)
{
    // -0.21 .. 0.35 steps by 0.1 from -0.2; its third tick comes out as -1.4e-20.
    for (double low : {-1.0, -0.21}) {
        for (TScaleType type : {TScaleType::sctXT, TScaleType::sctYR}) {
            SCOPED_TRACE(::testing::Message() << low << " " << int(type));
            TScale s(nullptr);
            s.SetScaleType(type);
            s.SetRange(low, low == -1.0 ? 1.0 : 0.35);
            s.SetShortTicks(false);
            Recorder rec;
            rec.Attach(s);
            DrawOnce(s);
            ASSERT_FALSE(rec.labelValues.empty());
            int zeros = 0;
            for (size_t i = 0; i < rec.labelValues.size(); ++i) {
                if (std::fabs(rec.labelValues[i]) > 1e-12) continue;
                ++zeros;
                EXPECT_EQ(rec.labelValues[i], 0.0);
                EXPECT_FALSE(std::signbit(rec.labelValues[i]));
                EXPECT_EQ(rec.labels[i], "0.00");
            }
            EXPECT_EQ(zeros, 1);
            if (type == TScaleType::sctXT) {
                // On horizontal scales the event follows the label and sees
                // the value the label rule left.
                for (double v : rec.ticks) {
                    if (std::fabs(v) < 1e-12) {
                        EXPECT_TRUE(v == 0.0 && !std::signbit(v));
                    }
                }
            }
        }
    }
}

TEST(TickLabelText, IntegerRuleStillRunsTheHook)
{
    TScale s(nullptr);
    s.SetRange(0, 1);
    s.SetDecPlaces(0);
    s.SetShortTicks(false);
    std::vector<double> values;
    s.OnBeforeTickLabel = [&](TObject*, TScaleType, double v, std::string& text) {
        values.push_back(v);
        if (text.empty()) text = "hook";  // what the hook leaves is drawn
    };
    TBitmap bmp;
    DrawOnce(s, bmp);
    ExpectValues(values, Seq(0, 1, 0.2));
}

TEST(TickLabelText, HorizontalLabelsPassThrough255Characters)
{
    TScale s(nullptr);
    s.SetRange(0, 50);
    s.SetMinTicks(2);
    s.SetScaleInscript(std::string(300, 'x') + "&");
    Recorder rec;
    rec.Attach(s);
    DrawOnce(s);
    ASSERT_EQ(rec.labels.size(), 3u);
    EXPECT_EQ(rec.labels[0], std::string(255, 'x'));
}

// --- Where labels and the caption land ---------------------------------------------------

// Label cells are filled with the canvas brush (an opaque scale draws them
// with a solid brush), so a yellow brush shows each cell exactly.
TEST(TickLabelPlacement, HorizontalLabelsStayTwoPixelsInside)
{
    for (TScaleType type : {TScaleType::sctXT, TScaleType::sctXB}) {
        SCOPED_TRACE(int(type));
        TScale s(nullptr);
        s.SetBounds(0, 0, 200, 60);
        s.SetScaleType(type);
        s.SetMarginLeft(3);   // the 0 tick at x = 3
        s.SetMarginRight(3);  // the 100 tick at x = 196
        s.SetShortTicks(false);
        TBitmap bmp(200, 60);
        TCanvas& c = *bmp.Canvas();
        c.Brush()->SetColor(kYellow);
        const int32_t base = BasePos(s);
        s.DrawHorizScale(c, base);
        const int32_t th = c.TextHeight("0");
        const int32_t top = type == TScaleType::sctXT ? base + 7 : base - 7 - th;
        const auto [first, last] = ColourSpan(c, top, kYellow, 0, 200);
        EXPECT_EQ(first, 2) << "the 0 label starts 2 pixels from the left edge";
        const int32_t hw = c.TextWidth("100") / 2;
        EXPECT_EQ(last, 200 - 2 * hw - 2 + c.TextWidth("100") - 1) << "the 100 label ends inside the right edge";
        EXPECT_LE(last, 197);
        // The label of 40 (x = 80) is centred on its tick.
        const int32_t x40 = s.ValueToPixel(40);
        const int32_t left40 = x40 - c.TextWidth("40") / 2;
        EXPECT_NE(c.Pixels(left40 - 1, top), kYellow);
        EXPECT_EQ(c.Pixels(left40, top), kYellow);
        EXPECT_EQ(c.Pixels(left40 + c.TextWidth("40") - 1, top), kYellow);
        EXPECT_NE(c.Pixels(left40 + c.TextWidth("40"), top), kYellow);
        // The cell is exactly TextHeight rows high, starting at top.
        EXPECT_NE(c.Pixels(left40, top - 1), kYellow);
        EXPECT_EQ(c.Pixels(left40, top + th - 1), kYellow);
        EXPECT_NE(c.Pixels(left40, top + th), kYellow);
    }
}

TEST(TickLabelPlacement, VerticalLabelsBesideTheirTicks)
{
    for (TScaleType type : {TScaleType::sctYL, TScaleType::sctYR}) {
        SCOPED_TRACE(int(type));
        TScale s(nullptr);
        s.SetBounds(0, 0, 100, 240);
        s.SetScaleType(type);
        s.SetShortTicks(false);
        TBitmap bmp(100, 240);
        TCanvas& c = *bmp.Canvas();
        c.Brush()->SetColor(kYellow);
        const int32_t base = BasePos(s);
        s.DrawVertScale(c, base);
        const int32_t y = s.ValueToPixel(60);
        const int32_t top = y - c.TextHeight("0") / 2;
        const int32_t w = c.TextWidth("60");
        const int32_t left = type == TScaleType::sctYL ? base + 8 : base - w - 8;
        EXPECT_EQ(ColourSpan(c, top, kYellow, 0, 100), std::make_pair(left, left + w - 1));
        EXPECT_NE(c.Pixels(left, top - 1), kYellow);
    }
}

TEST(TickLabelPlacement, CaptionAnchorAndAlignment)
{
    struct Case {
        TScaleUnitAnchor anchor;
        TAlignment alignment;
    };
    const std::string caption = "Volts";
    for (TScaleType type : {TScaleType::sctXT, TScaleType::sctYL}) {
        for (TScaleUnitAnchor anchor :
             {TScaleUnitAnchor::uaSclTopLft, TScaleUnitAnchor::uaSclCenter, TScaleUnitAnchor::uaSclBotRgt}) {
            for (TAlignment alignment : {TAlignment::taLeftJustify, TAlignment::taRightJustify, TAlignment::taCenter}) {
                SCOPED_TRACE(::testing::Message() << "type " << int(type) << " anchor " << int(anchor) << " alignment "
                                                  << int(alignment));
                TScale s(nullptr);
                s.SetBounds(0, 0, 240, 240);
                s.SetScaleType(type);
                s.SetMarginLeft(30);
                s.SetMarginRight(10);
                s.SetMarginTop(40);
                s.SetMarginBottom(16);
                s.SetLabelType(TFigType::ftNoFigs);
                s.SetCaption(caption);
                s.SetCaptionPosX(5);
                s.SetCaptionPosY(type == TScaleType::sctXT ? 20 : 6);
                s.SetCaptionAnchor(anchor);
                s.SetCaptionAlignment(alignment);
                TBitmap bmp(240, 240);
                TCanvas& c = *bmp.Canvas();
                c.Brush()->SetColor(kYellow);
                const int32_t base = BasePos(s);
                if (type == TScaleType::sctXT) s.DrawHorizScale(c, base);
                else s.DrawVertScale(c, base);
                int32_t x, y;
                if (type == TScaleType::sctXT) {
                    x = anchor == TScaleUnitAnchor::uaSclTopLft   ? 5 + 30
                        : anchor == TScaleUnitAnchor::uaSclCenter ? 5 + 30 + 200 / 2
                                                                  : 5 + 240 - 10;
                    y = 20 + 40;
                } else {
                    x = 5 + 30;
                    y = anchor == TScaleUnitAnchor::uaSclTopLft   ? 6 + 40
                        : anchor == TScaleUnitAnchor::uaSclCenter ? 6 + 40 + 184 / 2
                                                                  : 6 + 240 - 16;
                }
                const int32_t w = c.TextWidth(caption);
                const int32_t left = alignment == TAlignment::taLeftJustify    ? x
                                     : alignment == TAlignment::taRightJustify ? x - w
                                                                               : x - w / 2;
                EXPECT_EQ(ColourSpan(c, y, kYellow, 0, 240), std::make_pair(left, std::min(left + w - 1, 239)));
                EXPECT_EQ(ColourSpan(c, y - 1, kYellow, 0, 240).first, -1);
            }
        }
    }
}

// --- Order of the drawing events -------------------------------------------------------------

TEST(ScaleEvents, TickAndLabelOrder)
{
    struct Case {
        const char* name;
        TScaleType type;
        bool log;
        double low, high;
        int32_t minTicks;
        bool shortTicks;
        std::vector<std::string> expected;
    };
    const std::vector<std::string> shorts = {"tick 0",  "tick 2",  "tick 4",  "tick 6",  "tick 8", "tick 10",
                                             "tick 12", "tick 14", "tick 16", "tick 18", "tick 20"};
    auto withShorts = [&](std::vector<std::string> majors) {
        std::vector<std::string> v = shorts;
        v.insert(v.end(), majors.begin(), majors.end());
        return v;
    };
    const std::vector<std::string> logOrder = {"tick 1", "label 1 1", "tick 10", "label 10 10", "tick 100",
                                               "label 100 100"};
    const Case cases[] = {
        {"vertical linear: event, then label", TScaleType::sctYL, false, 0, 50, 2, false,
         {"tick 0", "label 0 0", "tick 20", "label 20 20", "tick 40", "label 40 40"}},
        {"horizontal linear: label, then event", TScaleType::sctXB, false, 0, 50, 2, false,
         {"label 0 0", "tick 0", "label 20 20", "tick 20", "label 40 40", "tick 40"}},
        {"horizontal with short ticks first", TScaleType::sctXT, false, 0, 20, 2, true,
         withShorts({"label 0 0.0", "tick 0", "label 10 10.0", "tick 10", "label 20 20.0", "tick 20"})},
        {"vertical with short ticks first", TScaleType::sctYR, false, 0, 20, 2, true,
         withShorts({"tick 0", "label 0 0.0", "tick 10", "label 10 10.0", "tick 20", "label 20 20.0"})},
        {"log horizontal: event, then label", TScaleType::sctXB, true, 1, 100, 2, true, logOrder},
        {"log vertical: event, then label", TScaleType::sctYL, true, 1, 100, 2, true, logOrder},
        {"log short ticks: event only", TScaleType::sctXB, true, 1, 10, 3, true,
         {"tick 1", "label 1 1", "tick 2", "label 2 2", "tick 3", "tick 4", "tick 5", "label 5 5", "tick 6", "tick 7",
          "tick 8", "tick 9", "tick 10", "label 10 10"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TScale s(nullptr);
        s.SetScaleType(c.type);
        s.SetRange(c.low, c.high);
        s.SetLogarithmic(c.log);
        s.SetMinTicks(c.minTicks);
        s.SetShortTicks(c.shortTicks);
        Recorder rec;
        rec.Attach(s);
        DrawOnce(s);
        EXPECT_EQ(rec.log, c.expected);
    }
}

TEST(ScaleEvents, PaintRunsRenderedEventsAroundTheTicks)
{
    for (bool transparent : {false, true}) {
        SCOPED_TRACE(transparent ? "transparent" : "opaque");
        TScale s(nullptr);
        s.SetBounds(0, 0, 200, 60);
        s.SetRange(0, 40);
        s.SetMinTicks(2);
        s.SetTransparent(transparent);
        s.SetEmbedded(true);
        TBitmap target(300, 100);
        s.SetTargetCanvas(target.Canvas(), 0, 0);
        Recorder rec;
        rec.Attach(s);
        TCanvas* before = nullptr;
        TCanvas* after = nullptr;
        s.OnBeforeScaleRendered = [&](TObject*, TCanvas* c) {
            before = c;
            rec.log.push_back("before");
        };
        s.OnAfterScaleRendered = [&](TObject*, TCanvas* c) {
            after = c;
            rec.log.push_back("after");
        };
        // Without a window the scale stays suspended: setters paint nothing.
        ASSERT_TRUE(s.PaintSuspended());
        s.SetCaption("x");
        EXPECT_TRUE(rec.log.empty());

        s.ForcePaint();
        EXPECT_TRUE(s.PaintSuspended());
        ASSERT_GE(rec.log.size(), 4u);
        EXPECT_EQ(rec.log.front(), "before");
        EXPECT_EQ(rec.log.back(), "after");
        EXPECT_EQ(std::count(rec.log.begin(), rec.log.end(), "before"), 1);
        EXPECT_EQ(std::count(rec.log.begin(), rec.log.end(), "after"), 1);
        EXPECT_EQ(rec.ticks.size(), 26u);  // 21 short and 5 major ticks
        EXPECT_EQ(before, target.Canvas());
        // An opaque scale hands over its own bitmap's canvas.
        EXPECT_EQ(after == target.Canvas(), transparent);

        rec.log.clear();
        s.SuspendPaint(false);  // leaving the suspension paints
        EXPECT_EQ(rec.log.front(), "before");
        EXPECT_EQ(rec.log.back(), "after");
    }
}

// --- Pixels of painted scales ------------------------------------------------------------------

TEST(ScalePixels, OpaqueTopScale)
{
    const int32_t W = 200, H = 60, offX = 4, offY = 6;
    TScale s(nullptr);
    s.SetBounds(0, 0, W, H);
    s.SetScaleType(TScaleType::sctXT);
    s.SetColorBackGnd(kYellow);
    s.SetColorScale(kBlue);
    s.SetRange(0, 100);  // majors every 20, shorts every 5
    s.SetMarginTop(20);
    // A caption over the base line: drawn before the base line, so the line stays whole.
    s.SetCaption("Cap");
    s.SetCaptionPosX(100);  // x = 120, clear of the marks checked below
    s.SetCaptionPosY(-6);
    s.SetCaptionAlignment(TAlignment::taLeftJustify);
    TBitmap target(W + 20, H + 20);
    s.SetTargetCanvas(target.Canvas(), offX, offY);
    s.ForcePaint();
    TCanvas& c = *target.Canvas();
    auto px = [&](int x, int y) { return c.Pixels(offX + x, offY + y); };

    EXPECT_EQ(c.Pixels(offX - 1, offY + 10), clWhite) << "nothing left of the copied image";
    EXPECT_EQ(px(100, 8), kYellow) << "background";
    EXPECT_EQ(px(W - 5, H - 5), kYellow) << "background";
    // Base line at y = MarginTop from x = MarginLeft; LineTo leaves out its end.
    EXPECT_EQ(px(19, 20), kYellow);
    for (int x = 20; x <= W - 20 - 2; ++x) ASSERT_EQ(px(x, 20), kBlue) << "base line at x = " << x;
    // Major marks 7 pixels down, short marks 4.
    for (double v : {0.0, 40.0, 100.0}) {
        const int x = s.ValueToPixel(v);
        SCOPED_TRACE(v);
        EXPECT_EQ(px(x, 26), kBlue);
        EXPECT_NE(px(x, 27), kBlue);
    }
    const int x5 = s.ValueToPixel(5);
    EXPECT_EQ(px(x5, 23), kBlue);
    EXPECT_EQ(px(x5, 24), kYellow);
    // The lowered frame: outer ring shadow/light, inner ring dark/silver.
    EXPECT_EQ(px(0, 30), clGray);
    EXPECT_EQ(px(100, 0), clGray);
    EXPECT_EQ(px(W - 1, 30), clWhite);
    EXPECT_EQ(px(100, H - 1), clWhite);
    EXPECT_EQ(px(1, 30), clBlack);
    EXPECT_EQ(px(W - 2, 30), clSilver);
}

TEST(ScalePixels, FrameIsDrawnAfterOnAfterScaleRendered)
{
    TScale s(nullptr);
    s.SetBounds(0, 0, 120, 50);
    TBitmap target(120, 50);
    s.SetTargetCanvas(target.Canvas(), 0, 0);
    s.OnAfterScaleRendered = [](TObject*, TCanvas* c) {
        c->Brush()->SetColor(kRed);
        c->FillRect({0, 0, 120, 50});
    };
    s.ForcePaint();
    TCanvas& c = *target.Canvas();
    EXPECT_EQ(c.Pixels(60, 25), kRed);
    EXPECT_EQ(c.Pixels(0, 25), clGray);
    EXPECT_EQ(c.Pixels(1, 25), clBlack);
    EXPECT_EQ(c.Pixels(119, 25), clWhite);
    EXPECT_EQ(c.Pixels(118, 25), clSilver);
}

TEST(ScalePixels, TransparentBottomScaleOnTargetWithOffsets)
{
    const int32_t W = 200, H = 60;
    TScale s(nullptr);
    s.SetBounds(0, 0, W, H);
    s.SetTransparent(true);
    s.SetEmbedded(true);
    s.SetColorScale(kBlue);
    s.SetRange(0, 100);
    TBitmap target(300, 120);
    TCanvas& c = *target.Canvas();
    c.Brush()->SetColor(kYellow);  // labels are written with a clear brush
    s.SetTargetCanvas(&c, 10, 30);
    s.ForcePaint();
    for (int y = 0; y < 120; ++y)
        ASSERT_EQ(ColourSpan(c, y, kYellow, 0, 300).first, -1) << "label cell filled in row " << y;
    const int yb = 30 + H - 20 - 1;
    EXPECT_EQ(c.Pixels(19, yb), clWhite);
    for (int x = 20; x <= W - 20 - 2; ++x) ASSERT_EQ(c.Pixels(x, yb), kBlue) << "base line at x = " << x;
    // The 0 mark at x = MarginLeft, 7 pixels up.
    EXPECT_EQ(c.Pixels(20, yb - 6), kBlue);
    EXPECT_EQ(c.Pixels(20, yb - 7), clWhite);
    EXPECT_EQ(c.Pixels(30, yb - 6), clWhite);
    // No background, no frame.
    EXPECT_EQ(c.Pixels(100, 35), clWhite);
    EXPECT_EQ(c.Pixels(10, 30), clWhite);
    EXPECT_EQ(c.Pixels(10 + W - 1, 30 + H - 1), clWhite);
}

TEST(ScalePixels, VerticalMarkLengths)
{
    struct Case {
        const char* name;
        TScaleType type;
        bool log;
        double low, high;
        double majorValue, shortValue;
        int shortLength;
    };
    const Case cases[] = {
        {"left, linear", TScaleType::sctYL, false, 0, 100, 40, 45, 4},
        {"right, linear", TScaleType::sctYR, false, 0, 100, 40, 45, 4},
        {"left, log: short marks 6 long", TScaleType::sctYL, true, 1, 100, 10, 30, 6},
        {"right, log: short marks 6 long", TScaleType::sctYR, true, 1, 100, 10, 30, 6},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        TScale s(nullptr);
        s.SetBounds(0, 0, 120, 300);
        s.SetScaleType(k.type);
        s.SetRange(k.low, k.high);
        s.SetLogarithmic(k.log);
        s.SetLabelType(TFigType::ftNoFigs);
        TBitmap bmp;
        DrawOnce(s, bmp);
        TCanvas& c = *bmp.Canvas();
        const int base = BasePos(s);
        const int dir = k.type == TScaleType::sctYL ? 1 : -1;
        auto markLength = [&](double v) {
            const int y = s.ValueToPixel(v);
            int n = 0;
            while (n < 20 && c.Pixels(base + dir * n, y) == clBlack) ++n;
            return n;
        };
        EXPECT_EQ(markLength(k.majorValue), 6);
        EXPECT_EQ(markLength(k.shortValue), k.shortLength);
    }
}
