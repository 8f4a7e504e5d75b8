// numlab_gallery OUT.png: numeric labels of every display type, frame style,
// colour scheme and alignment, disabled and transparent, on one panel,
// rendered with the headless host and saved as a PNG.

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "numlab/QVX_NumLab.h"
#include "platform/controls/Application.h"
#include "platform/controls/Form.h"
#include "platform/controls/Panel.h"
#include "platform/headless/HeadlessHost.h"

using namespace qvx;

namespace {

struct Column {
    TPanel* panel;
    int32_t next = 8;
};

TNumLab* AddLabel(Column& col, TForm* form, const std::string& left, const std::string& right)
{
    auto* lab = new TNumLab(form);
    lab->SetParent(col.panel);
    lab->SetBounds(8, col.next, 260, 24);
    lab->SetLeftSpace(92);
    lab->SetLabelWidth(110);
    lab->SetLeftText(left);
    lab->SetRightText(right);
    col.next += 28;
    return lab;
}

void Heading(Column& col, TForm* form, const std::string& text)
{
    auto* lab = AddLabel(col, form, "", "");
    lab->SetFrameStyle(TFrameStyle::fsNone);
    lab->SetEmpty(true);
    lab->SetLeftSpace(0);
    lab->SetLeftTextAlignment(TAlignment::taLeftJustify);
    lab->SetLeftText(text);
    lab->SetLeftSpace(250);
    lab->Font()->SetStyle({TFontStyle::fsBold});
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: numlab_gallery OUT.png\n");
        return 2;
    }
    try {
        THeadlessHost host;
        auto* form = Application().CreateForm<TForm>();
        form->SetClientWidth(3 * 280 + 16);
        form->SetClientHeight(600);
        form->Font()->SetHeight(-13);
        std::vector<Column> cols;
        for (int i = 0; i < 3; ++i) {
            auto* panel = new TPanel(form);
            panel->SetParent(form);
            panel->SetBounds(4 + i * 284, 4, 280, 592);
            panel->SetBevelOuter(TBevelCut::bvLowered);
            cols.push_back({panel});
        }

        Heading(cols[0], form, "Display types");
        const struct {
            TDisplay type;
            const char* name;
            double value;
            int precision;
            const char* unit;
        } types[] = {
            {TDisplay::dtFloat, "dtFloat", 0.0000123, 3, "V"},  {TDisplay::dtFixP, "dtFixP", 3.14159, 2, "\xC2\xB0" "C"},
            {TDisplay::dtExp, "dtExp", 234.56, 3, "Pa"},        {TDisplay::dtHex, "dtHex", 255, 4, "hex"},
            {TDisplay::dtZeroInt, "dtZeroInt", -42, 5, "pcs"},  {TDisplay::dtInt, "dtInt", 3.5, 0, "pcs"},
            {TDisplay::dtDateTime, "dtDateTime", 45000.5, 0, ""}, {TDisplay::dtState, "dtState", 0, 0, ""},
            {TDisplay::dtBin, "dtBin", 5, 8, "bin"},            {TDisplay::dtOct, "dtOct", 8, 3, "oct"},
            {TDisplay::dtDeg, "dtDeg", 12.345, 2, ""},          {TDisplay::dtDegMin, "dtDegMin", 12.5, 2, ""},
            {TDisplay::dtDegMinSec, "dtDegMinSec", 12.3456, 1, ""}, {TDisplay::dtEEng, "dtEEng", 4700, 3, "Ohm"},
            {TDisplay::dtEEngNoDP, "dtEEngNoDP", 4700, 3, "Ohm"}, {TDisplay::dtFixP, "overflow", 1.23456789e12, 2, "m"},
        };
        for (const auto& t : types) {
            TNumLab* lab = AddLabel(cols[0], form, t.name, t.unit);
            lab->SetDisplayType(t.type);
            lab->SetPrecision(t.precision);
            lab->SetValue(t.value);
            if (t.type == TDisplay::dtState) lab->SetStateText("Running");
        }

        Heading(cols[1], form, "Frame styles and schemes");
        const struct {
            TFrameStyle style;
            const char* name;
        } frames[] = {{TFrameStyle::fsNone, "fsNone"},         {TFrameStyle::fsSimple, "fsSimple"},
                      {TFrameStyle::fsLowered, "fsLowered"},   {TFrameStyle::fsRaised, "fsRaised"},
                      {TFrameStyle::fsEmbossed, "fsEmbossed"}, {TFrameStyle::fsEngraved, "fsEngraved"}};
        for (TColorScheme scheme : {TColorScheme::csBWG, TColorScheme::csSystem}) {
            for (const auto& f : frames) {
                TNumLab* lab = AddLabel(cols[1], form, f.name, scheme == TColorScheme::csBWG ? "BWG" : "System");
                lab->SetColorScheme(scheme);
                lab->SetFrameStyle(f.style);
                lab->SetValue(1.5);
            }
        }

        Heading(cols[2], form, "Alignment, colours, states");
        const struct {
            TAlignment align;
            const char* name;
        } aligns[] = {{TAlignment::taLeftJustify, "left"}, {TAlignment::taCenter, "centre"},
                      {TAlignment::taRightJustify, "right"}};
        for (const auto& a : aligns) {
            TNumLab* lab = AddLabel(cols[2], form, a.name, "mm");
            lab->SetAlignment(a.align);
            lab->SetLeftTextAlignment(a.align);
            lab->SetRightTextAlignment(a.align);
            lab->SetValue(42.125);
        }
        TNumLab* coloured = AddLabel(cols[2], form, "colours", "bar");
        coloured->SetColorLabBakG(clNavy);
        coloured->SetColorLabText(clYellow);
        coloured->SetColorOutBakG(RGB(230, 240, 255));
        coloured->SetColorOutText(clNavy);
        coloured->SetValue(-17.25);
        TNumLab* comma = AddLabel(cols[2], form, "comma, +", "kg");
        comma->SetComma(true);
        comma->SetForcePlusSign(true);
        comma->SetValue(9.75);
        TNumLab* disabled = AddLabel(cols[2], form, "disabled", "rpm");
        disabled->SetValue(1500);
        disabled->SetEnabled(false);
        TNumLab* empty = AddLabel(cols[2], form, "empty", "%");
        empty->SetEmpty(true);
        cols[2].panel->SetColor(RGB(200, 220, 200));
        TNumLab* transparent = AddLabel(cols[2], form, "transparent", "s");
        transparent->SetTransparent(true);
        transparent->SetValue(0.5);

        form->Show();
        TBitmap shot;
        host.Snapshot(*form, shot);
        shot.SaveToPNG(argv[1]);
        Application().DestroyForms();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "numlab_gallery: %s\n", e.what());
        return 1;
    }
    return 0;
}
