// Painting of the numeric label: frame lines, clipped value text, Empty,
// the disabled look, the transparent mode and when it repaints.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "numlab/QVX_NumLab.h"
#include "platform/controls/Application.h"
#include "platform/controls/Form.h"
#include "platform/controls/Panel.h"
#include "platform/core/Exceptions.h"
#include "platform/graphics/Pen.h"
#include "platform/headless/HeadlessHost.h"

using namespace qvx;

namespace {

constexpr TColor kPanel = 0x40A040;

class CountingLab : public TNumLab {
public:
    using TNumLab::TNumLab;
    int paints = 0;
    void Paint() override
    {
        ++paints;
        TNumLab::Paint();
    }
};

class NumLabPaintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = Application().CreateForm<TForm>();
        form->SetClientWidth(200);
        form->SetClientHeight(60);
        panel = new TPanel(form);
        panel->SetParent(form);
        panel->SetBounds(0, 0, 200, 60);
        panel->SetBevelOuter(TBevelCut::bvNone);
        panel->SetColor(kPanel);
        lab = new CountingLab(form);
        lab->SetParent(panel);  // at (0, 0), 160 x 28
        form->Show();
        host.PaintPending();
    }
    void TearDown() override { Application().DestroyForms(); }
    TColor Pixel(int x, int y) { return PixelToColor(panel->Surface()->Row(y)[x]); }
    // Pixels of the rectangle that differ from `colour`.
    int Differing(int l, int t, int r, int b, TColor colour)
    {
        int n = 0;
        for (int y = t; y < b; ++y)
            for (int x = l; x < r; ++x) n += Pixel(x, y) != ColorToRGB(colour);
        return n;
    }

    THeadlessHost host;
    TForm* form = nullptr;
    TPanel* panel = nullptr;
    CountingLab* lab = nullptr;
};

}  // namespace

TEST_F(NumLabPaintTest, LoweredFrameLinesInBothSchemes)
{
    struct Case {
        TColorScheme scheme;
        TColor shadow, light;
    };
    for (const Case& k : {Case{TColorScheme::csBWG, 0x808080, 0xFFFFFF}, Case{TColorScheme::csSystem, clBtnShadow, clBtnHighlight}}) {
        lab->SetColorScheme(k.scheme);
        SCOPED_TRACE(int(k.scheme));
        // The field's frame runs from x = 36 to 115 and from y = 0 to 26.
        EXPECT_EQ(Pixel(36, 10), ColorToRGB(k.shadow)) << "outer left";
        EXPECT_EQ(Pixel(60, 0), ColorToRGB(k.shadow)) << "outer top";
        EXPECT_EQ(Pixel(115, 10), ColorToRGB(k.light)) << "outer right";
        EXPECT_EQ(Pixel(60, 26), ColorToRGB(k.light)) << "outer bottom";
        EXPECT_EQ(Pixel(37, 10), clBlack) << "inner left";
        EXPECT_EQ(Pixel(60, 1), clBlack) << "inner top";
        EXPECT_EQ(Pixel(114, 10), 0xC0C0C0) << "inner right";
        EXPECT_EQ(Pixel(60, 25), 0xC0C0C0) << "inner bottom";
        EXPECT_EQ(Pixel(35, 10), ColorToRGB(clBtnFace)) << "outside";
        EXPECT_EQ(Pixel(116, 10), ColorToRGB(clBtnFace)) << "outside";
    }
}

TEST_F(NumLabPaintTest, ValueTextStaysInsideItsClipRectangle)
{
    lab->SetDisplayType(TDisplay::dtState);  // a state text is drawn however wide
    lab->SetStateText("WWWWWWWWWWWWWWWWWWWWWWWW");
    lab->SetColorLabBakG(clWhite);
    // The clip rectangle is x 38..113, y 2..24; the frame's inner ring lies
    // just outside it on the right and at the bottom.
    EXPECT_GT(Differing(38, 2, 114, 25, clWhite), 0) << "text drawn";
    EXPECT_EQ(Differing(114, 2, 115, 25, 0xC0C0C0), 0) << "inner right frame intact";
    EXPECT_EQ(Differing(38, 25, 114, 26, 0xC0C0C0), 0) << "inner bottom frame intact";
    EXPECT_EQ(Differing(116, 0, 160, 28, clBtnFace), 0) << "right zone untouched";
}

TEST_F(NumLabPaintTest, EmptyLeavesTheFieldUnfilledAndSkipsTheHook)
{
    int hooks = 0;
    lab->OnBeforeDisplay = [&](TObject*, std::string&) { ++hooks; };
    lab->SetColorLabBakG(clYellow);
    EXPECT_EQ(Pixel(40, 5), clYellow);
    const int before = hooks;
    lab->SetEmpty(true);
    EXPECT_EQ(hooks, before);
    EXPECT_EQ(Differing(38, 2, 114, 25, clBtnFace), 0);
}

TEST_F(NumLabPaintTest, DisabledTextsAreEngravedAndTheFieldUnfilled)
{
    lab->SetRightText("rpm");
    lab->SetColorLabBakG(clYellow);
    lab->SetValue(1500);
    lab->SetEnabled(false);
    // Anti-aliased glyphs blend, so look for lighter-than-face (the white
    // copy) and grey (the text on top) pixels in the right zone.
    bool lighter = false, grey = false;
    for (int y = 0; y < 28; ++y) {
        for (int x = 118; x < 160; ++x) {
            const TColor c = Pixel(x, y);
            lighter |= GetRValue(c) > 235 && GetGValue(c) > 235 && GetBValue(c) > 235;
            grey |= GetRValue(c) < 170 && GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c);
        }
    }
    EXPECT_TRUE(lighter && grey);
    int yellow = 0, shadowText = 0;
    for (int y = 2; y < 25; ++y) {
        for (int x = 38; x < 114; ++x) {
            yellow += Pixel(x, y) == clYellow;
            shadowText += Pixel(x, y) == ColorToRGB(clBtnShadow);
        }
    }
    EXPECT_EQ(yellow, 0);
    EXPECT_GT(shadowText, 0) << "the value in the button shadow colour";
}

TEST_F(NumLabPaintTest, TransparentKeepsTheParentsPixelsAroundTheField)
{
    lab->SetColorLabBakG(clYellow);
    lab->SetTransparent(true);
    host.PaintPending();  // the parent repaints its background, then the label
    EXPECT_EQ(Pixel(5, 5), kPanel);
    EXPECT_EQ(Pixel(150, 20), kPanel);
    EXPECT_EQ(Pixel(40, 5), clYellow);
    EXPECT_EQ(Pixel(36, 10), 0x808080 & kPanel) << "frame lines combine with the parent by AND";
}

TEST_F(NumLabPaintTest, RepaintsOnlyOnRealChanges)
{
    lab->SetValue(3.5);
    const int paints = lab->paints;
    lab->SetValue(3.5);
    lab->SetValue(std::nan(""));
    lab->SetLeftText(lab->LeftText());
    EXPECT_EQ(lab->paints, paints);
    EXPECT_EQ(lab->Value(), 3.5);
    lab->SetEnabled(true);  // refreshes even unchanged
    EXPECT_EQ(lab->paints, paints + 1);
}

TEST_F(NumLabPaintTest, OverflowIndicatorIsPlacedByItsOwnWidth)
{
    lab->SetAlignment(TAlignment::taRightJustify);
    lab->SetColorLabBakG(clWhite);
    lab->SetValue(1.23456789e12);
    TBitmap probe;
    probe.Canvas()->SetFont(lab->Font());
    const int w = probe.Canvas()->TextWidth(lab->OverflowIndicator());
    int rightmost = -1;
    for (int y = 2; y < 25; ++y)
        for (int x = 38; x < 114; ++x)
            if (Pixel(x, y) != clWhite) rightmost = std::max(rightmost, x);
    // The indicator's advance ends at 35 + 80 - 2 = 113; its ink comes close.
    ASSERT_GT(w, 0);
    EXPECT_LE(rightmost, 113);
    EXPECT_GE(rightmost, 110);
}

TEST_F(NumLabPaintTest, AssignCopiesTheDisplayButNotTheFormatOptions)
{
    auto* source = new TNumLab(form);
    source->SetValue(42.5);
    source->SetLeftText("Ch2");
    source->SetDisplayType(TDisplay::dtEEng);
    source->SetColorScheme(TColorScheme::csSystem);
    source->SetComma(true);
    source->SetDTFormat("yyyy");
    const int paints = lab->paints;
    lab->Assign(source);
    EXPECT_EQ(lab->Value(), 42.5);
    EXPECT_EQ(lab->LeftText(), "Ch2");
    EXPECT_EQ(lab->DisplayType(), TDisplay::dtEEng);
    EXPECT_EQ(lab->FrameColorShadow(), clBtnShadow);
    EXPECT_FALSE(lab->Comma());
    EXPECT_EQ(lab->DTFormat(), "mmm-dd, yyyy");
    EXPECT_EQ(lab->paints, paints + 1);
    TPen pen;
    EXPECT_THROW(lab->Assign(&pen), EConvertError);
}
