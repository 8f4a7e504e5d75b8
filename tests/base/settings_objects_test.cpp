// The base unit's settings objects (date/time label format, crosshair, text
// label): change notification, defaults, range rules and the Assign protocol;
// the 3-D frame routine pixel by pixel; the pack's exception hierarchy.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <type_traits>
#include <vector>

#include "base/QVX_qvxbase.h"
#include "chart/TextLabel.h"
#include "platform/graphics/Bitmap.h"
#include "tests/support/ChangeLog.h"

using namespace qvx;

namespace {

using qvx::testing::ChangeLog;

auto Fields(const TDTLabel& l)
{
    return std::make_tuple(int(l.TimeFormat()), int(l.DateSeparator()), int(l.TimeSeparator()), int(l.YearLength()),
                           l.MonthName(), int(l.DateOrder()), int(l.DateForTime()));
}

auto Fields(const TCrossHair& c)
{
    return std::make_tuple(c.PosX(), c.PosY(), c.Color(), int(c.Mode()), int(c.LineType()), c.LineWid(), c.Layer());
}

auto FontFields(const TFont& f)
{
    const TFontStyles s = f.Style();
    return std::make_tuple(f.Name(), f.Height(), s.Contains(TFontStyle::fsBold), s.Contains(TFontStyle::fsItalic),
                           s.Contains(TFontStyle::fsUnderline), s.Contains(TFontStyle::fsStrikeOut), f.Color(),
                           f.PixelsPerInch());
}

auto Fields(const TCustomTextLabel& t)
{
    return std::tuple_cat(std::make_tuple(t.PosX(), t.PosY(), t.Layer(), t.ShadowDx(), t.ShadowDy(), t.ColorShadow(),
                                          int(t.Alignment()), int(t.VerticalAlignment()), int(t.AttachToData()),
                                          t.ColorBkg(), t.ColorBorder(), t.Transparent(), t.Caption(), int(t.Mode()),
                                          t.Visible()),
                          FontFields(*t.Font()));
}

// A font unlike the default in every attribute.
void MakeOddFont(TFont& f)
{
    f.SetName("DejaVu Serif");
    f.SetHeight(-17);
    f.SetStyle({TFontStyle::fsBold, TFontStyle::fsItalic});
    f.SetColor(clTeal);
    f.SetPixelsPerInch(120);
}

// Every field of the source off its default.
void FillCrossHair(TCrossHair& c)
{
    c.SetPosX(1.25);
    c.SetPosY(-7.5);
    c.SetColor(clRed);
    c.SetMode(TCrossHMode::chCrossBox);
    c.SetLineType(TPenStyle::psDashDot);
    c.SetLineWid(3);
    c.SetLayer(9);
}

void FillDTLabel(TDTLabel& d)
{
    d.SetTimeFormat(TTimeFormat::tfAMPM);
    d.SetDateSeparator('/');
    d.SetTimeSeparator(':');
    d.SetYearLength(TYearLength::ylYYYY);
    d.SetMonthName(true);
    d.SetDateOrder(TDateOrder::doYYMMDD);
    d.SetDateForTime(TDateForTime::dtOnePerDay);
}

void FillTextLabel(TCustomTextLabel& t)
{
    t.SetPosX(12.5);
    t.SetPosY(-3.0);
    t.SetLayer(7);
    t.SetShadowDx(2);
    t.SetShadowDy(-3);
    t.SetColorShadow(clNavy);
    t.SetAlignment(TAlignment::taRightJustify);
    t.SetVerticalAlignment(TVerticalAlignment::vaTop);
    t.SetAttachToData(TTxtLblAttachMode::tlamBoth);
    t.SetColorBkg(clYellow);
    t.SetColorBorder(clLime);
    t.SetTransparent(true);
    TFont f;
    MakeOddFont(f);
    t.SetFont(&f);
    t.SetCaption("line one\nline two");
    t.SetMode(TTxtLblMode::tlShadow);
    t.SetVisible(false);
}

}  // namespace

// --- TDTLabel ------------------------------------------------------------------------------

TEST(DTLabelTest, StartsWithEveryFieldAtZero)
{
    const TDTLabel d;
    EXPECT_EQ(d.TimeFormat(), TTimeFormat::tfHHMMSS);
    EXPECT_EQ(d.DateSeparator(), '\0');
    EXPECT_EQ(d.TimeSeparator(), '\0');
    EXPECT_EQ(d.YearLength(), TYearLength::ylNone);
    EXPECT_FALSE(d.MonthName());
    EXPECT_EQ(d.DateOrder(), TDateOrder::doMMDDYY);
    EXPECT_EQ(d.DateForTime(), TDateForTime::dtNone);
}

TEST(DTLabelTest, TimeFormatAndDateOrderAlwaysNotifyTheOthersOnlyOnChange)
{
    // set(d, false) writes the field's zero value (what a new label holds),
    // set(d, true) another value; holdsOther tells which one is stored.
    struct Case {
        const char* name;
        void (*set)(TDTLabel&, bool other);
        bool (*holdsOther)(const TDTLabel&);
        bool alwaysNotifies;
    };
    const Case cases[] = {
        {"TimeFormat",
         [](TDTLabel& d, bool o) { d.SetTimeFormat(o ? TTimeFormat::tfHHhMM : TTimeFormat::tfHHMMSS); },
         [](const TDTLabel& d) { return d.TimeFormat() == TTimeFormat::tfHHhMM; }, true},
        {"DateOrder", [](TDTLabel& d, bool o) { d.SetDateOrder(o ? TDateOrder::doDDMMYY : TDateOrder::doMMDDYY); },
         [](const TDTLabel& d) { return d.DateOrder() == TDateOrder::doDDMMYY; }, true},
        {"DateSeparator", [](TDTLabel& d, bool o) { d.SetDateSeparator(o ? '.' : '\0'); },
         [](const TDTLabel& d) { return d.DateSeparator() == '.'; }, false},
        {"TimeSeparator", [](TDTLabel& d, bool o) { d.SetTimeSeparator(o ? ':' : '\0'); },
         [](const TDTLabel& d) { return d.TimeSeparator() == ':'; }, false},
        {"YearLength", [](TDTLabel& d, bool o) { d.SetYearLength(o ? TYearLength::ylYY : TYearLength::ylNone); },
         [](const TDTLabel& d) { return d.YearLength() == TYearLength::ylYY; }, false},
        {"DateForTime",
         [](TDTLabel& d, bool o) { d.SetDateForTime(o ? TDateForTime::dtAllTicks : TDateForTime::dtNone); },
         [](const TDTLabel& d) { return d.DateForTime() == TDateForTime::dtAllTicks; }, false},
        {"MonthName", [](TDTLabel& d, bool o) { d.SetMonthName(o); },
         [](const TDTLabel& d) { return d.MonthName(); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TDTLabel d;
        ChangeLog log;
        d.OnChange = log.Handler();
        const int same = c.alwaysNotifies ? 1 : 0;

        c.set(d, false);  // the value it already has
        EXPECT_EQ(log.count, same);
        c.set(d, true);
        EXPECT_TRUE(c.holdsOther(d));
        EXPECT_EQ(log.count, same + 1);
        c.set(d, true);
        EXPECT_EQ(log.count, 2 * same + 1);
        c.set(d, false);
        EXPECT_FALSE(c.holdsOther(d));
        EXPECT_EQ(log.count, 2 * same + 2);
        EXPECT_TRUE(log.AllFrom(&d));
    }
}

// --- TCrossHair ----------------------------------------------------------------------------

TEST(CrossHairTest, EverySetterStoresAndNotifiesEvenWhenUnchanged)
{
    struct Case {
        const char* name;
        void (*set)(TCrossHair&);
        bool (*stored)(const TCrossHair&);
    };
    const Case cases[] = {
        {"PosX", [](TCrossHair& c) { c.SetPosX(-3.5); }, [](const TCrossHair& c) { return c.PosX() == -3.5; }},
        {"PosY", [](TCrossHair& c) { c.SetPosY(8.25); }, [](const TCrossHair& c) { return c.PosY() == 8.25; }},
        {"Color", [](TCrossHair& c) { c.SetColor(clBlue); }, [](const TCrossHair& c) { return c.Color() == clBlue; }},
        {"Mode", [](TCrossHair& c) { c.SetMode(TCrossHMode::chBox); },
         [](const TCrossHair& c) { return c.Mode() == TCrossHMode::chBox; }},
        {"LineType", [](TCrossHair& c) { c.SetLineType(TPenStyle::psDot); },
         [](const TCrossHair& c) { return c.LineType() == TPenStyle::psDot; }},
        {"LineWid", [](TCrossHair& c) { c.SetLineWid(4); }, [](const TCrossHair& c) { return c.LineWid() == 4; }},
        {"Layer", [](TCrossHair& c) { c.SetLayer(5); }, [](const TCrossHair& c) { return c.Layer() == 5; }},
        // The zero values a new crosshair already holds still notify.
        {"PosX zero", [](TCrossHair& c) { c.SetPosX(0); }, [](const TCrossHair& c) { return c.PosX() == 0; }},
        {"Mode zero", [](TCrossHair& c) { c.SetMode(TCrossHMode::chOff); },
         [](const TCrossHair& c) { return c.Mode() == TCrossHMode::chOff; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TCrossHair ch;
        ChangeLog log;
        ch.OnChange = log.Handler();
        c.set(ch);
        EXPECT_TRUE(c.stored(ch));
        EXPECT_EQ(log.count, 1);
        c.set(ch);
        EXPECT_TRUE(c.stored(ch));
        EXPECT_EQ(log.count, 2);
        EXPECT_TRUE(log.AllFrom(&ch));
    }
}

TEST(CrossHairTest, LayerIsClampedToOneToSixteenAndNotifiesOnce)
{
    const struct {
        int32_t in, stored;
    } cases[] = {{0, 1}, {17, 16}, {-5, 1}, {1, 1}, {16, 16}, {9, 9}, {INT32_MIN, 1}, {INT32_MAX, 16}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in);
        TCrossHair ch;
        ChangeLog log;
        ch.OnChange = log.Handler();
        ch.SetLayer(c.in);
        EXPECT_EQ(ch.Layer(), c.stored);
        EXPECT_EQ(log.count, 1);
    }
}

// --- TCustomTextLabel ----------------------------------------------------------------------

TEST(TextLabelTest, ConstructorDefaults)
{
    const TCustomTextLabel t;
    EXPECT_EQ(t.PosX(), 100.0);
    EXPECT_EQ(t.PosY(), 10.0);
    EXPECT_EQ(t.Layer(), 1);
    EXPECT_EQ(t.ShadowDx(), 0);
    EXPECT_EQ(t.ShadowDy(), 0);
    EXPECT_EQ(t.ColorShadow(), TColor(0x808080));
    EXPECT_EQ(t.Alignment(), TAlignment::taCenter);
    EXPECT_EQ(t.VerticalAlignment(), TVerticalAlignment::vaBottom);
    EXPECT_EQ(t.AttachToData(), TTxtLblAttachMode::tlamNone);
    EXPECT_EQ(t.ColorBkg(), TColor(0xC0C0C0));
    EXPECT_EQ(t.ColorBorder(), TColor(0));
    EXPECT_FALSE(t.Transparent());
    EXPECT_EQ(t.Caption(), "");
    EXPECT_EQ(t.Mode(), TTxtLblMode::tlsimple);
    EXPECT_TRUE(t.Visible());
}

TEST(TextLabelTest, EverySetterStoresAndNotifiesEvenWhenUnchanged)
{
    struct Case {
        const char* name;
        void (*set)(TCustomTextLabel&);
        bool (*stored)(const TCustomTextLabel&);
    };
    using L = TCustomTextLabel;
    const Case cases[] = {
        {"PosX", [](L& t) { t.SetPosX(-4.5); }, [](const L& t) { return t.PosX() == -4.5; }},
        {"PosX default", [](L& t) { t.SetPosX(100.0); }, [](const L& t) { return t.PosX() == 100.0; }},
        {"PosY", [](L& t) { t.SetPosY(33.0); }, [](const L& t) { return t.PosY() == 33.0; }},
        {"Layer", [](L& t) { t.SetLayer(16); }, [](const L& t) { return t.Layer() == 16; }},
        {"Layer default", [](L& t) { t.SetLayer(1); }, [](const L& t) { return t.Layer() == 1; }},
        {"ShadowDx", [](L& t) { t.SetShadowDx(-2); }, [](const L& t) { return t.ShadowDx() == -2; }},
        {"ShadowDy", [](L& t) { t.SetShadowDy(5); }, [](const L& t) { return t.ShadowDy() == 5; }},
        {"ColorShadow", [](L& t) { t.SetColorShadow(clRed); }, [](const L& t) { return t.ColorShadow() == clRed; }},
        {"Alignment", [](L& t) { t.SetAlignment(TAlignment::taLeftJustify); },
         [](const L& t) { return t.Alignment() == TAlignment::taLeftJustify; }},
        {"VerticalAlignment", [](L& t) { t.SetVerticalAlignment(TVerticalAlignment::vaCenter); },
         [](const L& t) { return t.VerticalAlignment() == TVerticalAlignment::vaCenter; }},
        {"AttachToData", [](L& t) { t.SetAttachToData(TTxtLblAttachMode::tlamYOnly); },
         [](const L& t) { return t.AttachToData() == TTxtLblAttachMode::tlamYOnly; }},
        {"ColorBkg", [](L& t) { t.SetColorBkg(clAqua); }, [](const L& t) { return t.ColorBkg() == clAqua; }},
        {"ColorBorder", [](L& t) { t.SetColorBorder(clLime); }, [](const L& t) { return t.ColorBorder() == clLime; }},
        {"Transparent", [](L& t) { t.SetTransparent(true); }, [](const L& t) { return t.Transparent(); }},
        {"Transparent default", [](L& t) { t.SetTransparent(false); }, [](const L& t) { return !t.Transparent(); }},
        {"Caption", [](L& t) { t.SetCaption("Pump 1"); }, [](const L& t) { return t.Caption() == "Pump 1"; }},
        {"Caption empty", [](L& t) { t.SetCaption(""); }, [](const L& t) { return t.Caption().empty(); }},
        {"Mode", [](L& t) { t.SetMode(TTxtLblMode::tlOff); },
         [](const L& t) { return t.Mode() == TTxtLblMode::tlOff; }},
        {"Visible", [](L& t) { t.SetVisible(false); }, [](const L& t) { return !t.Visible(); }},
        {"Visible default", [](L& t) { t.SetVisible(true); }, [](const L& t) { return t.Visible(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TCustomTextLabel t;
        ChangeLog log;
        t.OnChange = log.Handler();
        c.set(t);
        EXPECT_TRUE(c.stored(t));
        EXPECT_EQ(log.count, 1);
        c.set(t);
        EXPECT_TRUE(c.stored(t));
        EXPECT_EQ(log.count, 2);
        EXPECT_TRUE(log.AllFrom(&t));
    }
}

TEST(TextLabelTest, LayerOutsideOneToSixteenIsIgnoredEntirely)
{
    for (int32_t layer : {0, 17, -1, INT32_MIN, INT32_MAX}) {
        SCOPED_TRACE(layer);
        TCustomTextLabel t;
        t.SetLayer(7);
        ChangeLog log;
        t.OnChange = log.Handler();
        t.SetLayer(layer);
        EXPECT_EQ(t.Layer(), 7);
        EXPECT_EQ(log.count, 0);
    }
}

TEST(TextLabelTest, SetFontCopiesAttributesIntoTheLabelsOwnFont)
{
    TCustomTextLabel t;
    TFont* own = t.Font();
    ChangeLog log;
    t.OnChange = log.Handler();
    {
        TFont source;
        MakeOddFont(source);
        t.SetFont(&source);
        EXPECT_EQ(FontFields(*t.Font()), FontFields(source));
    }  // the label keeps nothing of the source object
    EXPECT_EQ(t.Font(), own);
    EXPECT_EQ(t.Font()->Name(), "DejaVu Serif");
    EXPECT_EQ(t.Font()->Height(), -17);
    EXPECT_EQ(t.Font()->Color(), clTeal);
    EXPECT_EQ(log.count, 1);
    EXPECT_TRUE(log.AllFrom(&t));
}

TEST(TextLabelTest, CaptionControlCharactersOtherThanLineFeedBecomeBlanks)
{
    const struct {
        std::string in, stored;
    } cases[] = {
        {"a\tb\r\nc", "a b \nc"},
        {std::string("\0x\x1f", 3), " x "},
        {"\x01\x02\n\n", "  \n\n"},
        {"12.5 \xC2\xB0""C\x7f", "12.5 \xC2\xB0""C\x7f"},  // UTF-8 and DEL are kept
        {"plain", "plain"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        TCustomTextLabel t;
        ChangeLog log;
        t.OnChange = log.Handler();
        t.SetCaption(c.in);
        EXPECT_EQ(t.Caption(), c.stored);
        EXPECT_EQ(log.count, 1);
    }
}

// --- Assign --------------------------------------------------------------------------------

TEST(SettingsAssignTest, CrossHairCopiesEveryFieldAndTheHandlerWithoutNotifying)
{
    TCrossHair a, b;
    FillCrossHair(b);
    ChangeLog logA, logB;
    a.OnChange = logA.Handler();
    b.OnChange = logB.Handler();

    a.Assign(&b);
    EXPECT_EQ(Fields(a), Fields(b));
    EXPECT_EQ(logA.count, 0);
    EXPECT_EQ(logB.count, 0);

    // A now reports through B's handler, naming itself.
    a.SetLineWid(1);
    EXPECT_EQ(logA.count, 0);
    ASSERT_EQ(logB.count, 1);
    EXPECT_EQ(logB.senders[0], &a);
}

TEST(SettingsAssignTest, DTLabelCopiesEveryFieldAndTheHandlerWithoutNotifying)
{
    TDTLabel a, b;
    FillDTLabel(b);
    ChangeLog logA, logB;
    a.OnChange = logA.Handler();
    b.OnChange = logB.Handler();

    a.Assign(&b);
    EXPECT_EQ(Fields(a), Fields(b));
    EXPECT_EQ(logA.count, 0);
    EXPECT_EQ(logB.count, 0);

    a.SetTimeFormat(TTimeFormat::tfHHMMSS);
    EXPECT_EQ(logA.count, 0);
    ASSERT_EQ(logB.count, 1);
    EXPECT_EQ(logB.senders[0], &a);
}

TEST(SettingsAssignTest, TextLabelsCopyBetweenBaseAndDescendantKeepingTheirOwnFont)
{
    // Both directions: a base label from its descendant, and the chart's
    // TTextLabel taking a plain label's settings through the inherited Assign.
    struct Case {
        const char* name;
        TCustomTextLabel* dest;
        TCustomTextLabel* source;
    };
    TCustomTextLabel plainDest, plainSource;
    TTextLabel chartDest, chartSource;
    const Case cases[] = {
        {"TCustomTextLabel <- TCustomTextLabel", &plainDest, &plainSource},
        {"TCustomTextLabel <- TTextLabel", &plainDest, &chartSource},
        {"TTextLabel <- TCustomTextLabel", &chartDest, &plainSource},
        {"TTextLabel <- TTextLabel", &chartDest, &chartSource},
    };
    FillTextLabel(plainSource);
    FillTextLabel(chartSource);
    chartSource.SetCaption("from the chart");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TCustomTextLabel fresh;
        c.dest->Assign(&fresh);  // back to the defaults
        ChangeLog logDest, logSource;
        c.dest->OnChange = logDest.Handler();
        c.source->OnChange = logSource.Handler();
        TFont* ownFont = c.dest->Font();

        c.dest->Assign(c.source);
        EXPECT_EQ(Fields(*c.dest), Fields(*c.source));
        EXPECT_EQ(c.dest->Font(), ownFont);
        EXPECT_NE(c.dest->Font(), c.source->Font());
        EXPECT_EQ(logDest.count, 0);
        EXPECT_EQ(logSource.count, 0);

        c.dest->SetVisible(true);
        EXPECT_EQ(logDest.count, 0);
        ASSERT_EQ(logSource.count, 1);
        EXPECT_EQ(logSource.senders[0], c.dest);
    }
}

TEST(SettingsAssignTest, UnrelatedSourceThrowsAndLeavesTheDestinationUnchanged)
{
    TCrossHair crossHair;
    FillCrossHair(crossHair);
    TDTLabel dtLabel;
    FillDTLabel(dtLabel);
    TCustomTextLabel textLabel;
    FillTextLabel(textLabel);
    TPen pen;
    pen.SetColor(clRed);
    pen.SetWidth(3);

    struct Case {
        const char* name;
        TSettingsObject* dest;
        const TPersistent* source;
    };
    const Case cases[] = {
        {"TCrossHair into TDTLabel", &dtLabel, &crossHair},
        {"TDTLabel into TCrossHair", &crossHair, &dtLabel},
        {"TPen into TCrossHair", &crossHair, &pen},
        {"TCrossHair into TCustomTextLabel", &textLabel, &crossHair},
        {"TPen into TCustomTextLabel", &textLabel, &pen},
        {"TCustomTextLabel into TDTLabel", &dtLabel, &textLabel},
    };
    const auto crossBefore = Fields(crossHair);
    const auto dtBefore = Fields(dtLabel);
    const auto textBefore = Fields(textLabel);
    ChangeLog log;
    crossHair.OnChange = log.Handler();
    dtLabel.OnChange = log.Handler();
    textLabel.OnChange = log.Handler();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_THROW(c.dest->Assign(c.source), EConvertError);
        EXPECT_EQ(Fields(crossHair), crossBefore);
        EXPECT_EQ(Fields(dtLabel), dtBefore);
        EXPECT_EQ(Fields(textLabel), textBefore);
        EXPECT_EQ(log.count, 0);
    }
    // The handlers survive the failed copies.
    crossHair.SetLayer(2);
    dtLabel.SetDateOrder(TDateOrder::doMMDDYY);
    textLabel.SetLayer(2);
    EXPECT_EQ(log.count, 3);
    EXPECT_EQ(pen.Color(), clRed);
    EXPECT_EQ(pen.Width(), 3);
}

// --- DrawFrame3D ---------------------------------------------------------------------------

namespace {

constexpr TColor kLight = clAqua, kFace = clSilver, kShadow = clGray, kDark = clBlack, kOutline = clNavy;

// The bitmap as rows of L/F/S/D/O for the frame colours and '.' for white.
std::vector<std::string> FramePicture(TBitmap& bmp)
{
    std::vector<std::string> rows;
    for (int y = 0; y < bmp.Height(); ++y) {
        std::string row;
        for (int x = 0; x < bmp.Width(); ++x) {
            const TColor c = bmp.Canvas()->Pixels(x, y);
            row += c == kLight    ? 'L'
                   : c == kFace   ? 'F'
                   : c == kShadow ? 'S'
                   : c == kDark   ? 'D'
                   : c == kOutline ? 'O'
                   : c == clWhite ? '.'
                                  : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

}  // namespace

TEST(DrawFrame3DTest, EachStyleDrawsItsRingsInItsColours)
{
    // The frame (1,1)-(8,6) on a 10 x 8 bitmap. Right and Bottom are the
    // outer ring's own column and row; the top-right corner belongs to the
    // top/left colour, the bottom-left corner to the bottom/right colour, on
    // both rings.
    struct Case {
        TFrameStyle style;
        const char* name;
        std::vector<std::string> picture;
        TColor finalPen;
    };
    const Case cases[] = {
        {TFrameStyle::fsNone, "fsNone",
         {"..........", "..........", "..........", "..........", "..........", "..........", "..........",
          ".........."},
         clBlack},
        {TFrameStyle::fsSimple, "fsSimple",
         {"..........", ".OOOOOOOO.", ".O......O.", ".O......O.", ".O......O.", ".O......O.", ".OOOOOOOO.",
          ".........."},
         kOutline},
        // outer top/left Shadow, outer bottom/right Light, inner Dark then Face
        {TFrameStyle::fsLowered, "fsLowered",
         {"..........", ".SSSSSSSS.", ".SDDDDDDL.", ".SD....FL.", ".SD....FL.", ".SFFFFFFL.", ".LLLLLLLL.",
          ".........."},
         kFace},
        // Light, Dark, Face, Shadow
        {TFrameStyle::fsRaised, "fsRaised",
         {"..........", ".LLLLLLLL.", ".LFFFFFFD.", ".LF....SD.", ".LF....SD.", ".LSSSSSSD.", ".DDDDDDDD.",
          ".........."},
         kShadow},
        // Light, Shadow, Shadow, Light
        {TFrameStyle::fsEmbossed, "fsEmbossed",
         {"..........", ".LLLLLLLL.", ".LSSSSSSS.", ".LS....LS.", ".LS....LS.", ".LLLLLLLS.", ".SSSSSSSS.",
          ".........."},
         kLight},
        // Shadow, Light, Light, Shadow
        {TFrameStyle::fsEngraved, "fsEngraved",
         {"..........", ".SSSSSSSS.", ".SLLLLLLL.", ".SL....SL.", ".SL....SL.", ".SSSSSSSL.", ".LLLLLLLL.",
          ".........."},
         kShadow},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TBitmap bmp(10, 8);
        DrawFrame3D(*bmp.Canvas(), c.style, 1, 1, 8, 6, kLight, kFace, kShadow, kDark, kOutline);
        EXPECT_EQ(FramePicture(bmp), c.picture);
        EXPECT_EQ(bmp.Canvas()->Pen()->Color(), c.finalPen);
    }
}

TEST(DrawFrame3DTest, ChangesOnlyThePenColour)
{
    for (TFrameStyle style : {TFrameStyle::fsSimple, TFrameStyle::fsLowered, TFrameStyle::fsEngraved}) {
        SCOPED_TRACE(int(style));
        TBitmap bmp(20, 20);
        TCanvas& c = *bmp.Canvas();
        c.Pen()->SetWidth(2);
        c.Pen()->SetStyle(TPenStyle::psDash);
        c.Pen()->SetMode(TPenMode::pmXor);
        c.Brush()->SetColor(clYellow);
        DrawFrame3D(c, style, 2, 2, 15, 15, kLight, kFace, kShadow, kDark, kOutline);
        EXPECT_EQ(c.Pen()->Width(), 2);
        EXPECT_EQ(c.Pen()->Style(), TPenStyle::psDash);
        EXPECT_EQ(c.Pen()->Mode(), TPenMode::pmXor);
        EXPECT_EQ(c.Brush()->Color(), clYellow);
        EXPECT_EQ(c.Brush()->Style(), TBrushStyle::bsSolid);
    }
}

// --- Exceptions ----------------------------------------------------------------------------

TEST(QvxExceptionTest, KurvexErrorIsAPackErrorAndAPlatformException)
{
    static_assert(std::is_base_of_v<EQVXError, EQVXKurvexError>);
    static_assert(std::is_base_of_v<Exception, EQVXError>);
    const std::string message = "Layer 17 does not exist";
    try {
        throw EQVXKurvexError(message);
    } catch (const EQVXError& e) {
        EXPECT_EQ(e.Message(), message);
    }
    try {
        throw EQVXKurvexError(message);
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), message.c_str());
    }
    EXPECT_THROW(throw EQVXKurvexError(message), std::runtime_error);
}
