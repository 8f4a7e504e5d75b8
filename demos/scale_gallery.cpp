// scale_gallery OUT.png: horizontal and vertical scales of every type and
// side, numeric, logarithmic, user texts, inscriptions, time and date/time
// families, the two messages and every frame style, painted through the
// painter mode onto one bitmap and saved as a PNG.

#include <cstdio>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "platform/controls/DateUtils.h"
#include "platform/graphics/Bitmap.h"
#include "scale/QVX_Scale.h"

using namespace qvx;

namespace {

class Gallery {
public:
    explicit Gallery(TBitmap& sheet) : FSheet(sheet) {}

    // A scale w x h painted at (x, y); configure sets it up.
    template <class Configure>
    void Add(int x, int y, int w, int h, TScaleType type, const std::string& caption, Configure&& configure)
    {
        auto scale = std::make_unique<TScale>(nullptr);
        scale->SetBounds(0, 0, w, h);
        scale->SetScaleType(type);
        scale->SetFrameStyle(TFrameStyle::fsNone);
        scale->SetColorBackGnd(clWhite);
        scale->SetCaption(caption);
        scale->SetCaptionAnchor(TScaleUnitAnchor::uaSclCenter);
        scale->SetCaptionPosX(0);
        const bool horizontal = type == TScaleType::sctXB || type == TScaleType::sctXT;
        if (horizontal) {
            scale->SetMarginLeft(30);
            scale->SetMarginRight(30);
            scale->SetCaptionPosY(type == TScaleType::sctXB ? 4 : -18);
        } else {
            scale->SetMarginTop(20);
            scale->SetMarginBottom(20);
            scale->SetCaptionAnchor(TScaleUnitAnchor::uaSclTopLft);
            scale->SetCaptionAlignment(type == TScaleType::sctYL ? TAlignment::taLeftJustify : TAlignment::taRightJustify);
            scale->SetCaptionPosY(-18);
        }
        configure(*scale);
        scale->SetTargetCanvas(FSheet.Canvas(), x, y);
        scale->SetEmbedded(true);
        scale->ForcePaint();
        FScales.push_back(std::move(scale));
    }

private:
    TBitmap& FSheet;
    std::vector<std::unique_ptr<TScale>> FScales;
};

double Date(int y, int m, int d)
{
    return EncodeDate(uint16_t(y), uint16_t(m), uint16_t(d));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: scale_gallery OUT.png\n");
        return 2;
    }
    try {
        TBitmap sheet(1180, 930);
        sheet.Canvas()->Brush()->SetColor(clBtnFace);
        sheet.Canvas()->FillRect({0, 0, 1180, 930});
        Gallery g(sheet);
        const int w = 560, h = 58;
        int y = 6;
        auto row = [&](TScaleType t, const std::string& caption, auto&& configure) {
            g.Add(6, y, w, h, t, caption, configure);
            y += h + 4;
        };
        row(TScaleType::sctXB, "linear 0 .. 100", [](TScale&) {});
        row(TScaleType::sctXT, "linear -17 .. -3, MinTicks 4 (sctXT)", [](TScale& s) {
            s.SetRange(-17, -3);
            s.SetMinTicks(4);
        });
        row(TScaleType::sctXB, "logarithmic 1 .. 1000", [](TScale& s) {
            s.SetRange(1, 1000);
            s.SetLogarithmic(true);
        });
        row(TScaleType::sctXB, "logarithmic 1 .. 100 with intermediates", [](TScale& s) {
            s.SetRange(1, 100);
            s.SetLogarithmic(true);
        });
        row(TScaleType::sctXB, "exponent labels 0 .. 2e6", [](TScale& s) { s.SetRange(0, 2e6); });
        row(TScaleType::sctXB, "user texts Lo|Mid|Hi, inscription", [](TScale& s) {
            s.SetRange(0, 4);
            s.SetMinTicks(4);
            s.SetLabelType(TFigType::ftUserText);
            s.SetUserTickText("Lo|Mid|Hi");
        });
        row(TScaleType::sctXB, "inscription &% on 0 .. 100", [](TScale& s) { s.SetScaleInscript("&%"); });
        row(TScaleType::sctXB, "ftTime 0 .. 2 h (seconds)", [](TScale& s) {
            s.SetLabelType(TFigType::ftTime);
            s.SetRange(0, 7200);
        });
        row(TScaleType::sctXB, "date/time: hours of one day", [](TScale& s) {
            s.SetLabelType(TFigType::ftDateTime);
            s.SetRange(Date(2026, 12, 11), Date(2026, 12, 12));
        });
        row(TScaleType::sctXB, "date/time: minutes", [](TScale& s) {
            s.SetLabelType(TFigType::ftDateTime);
            s.SetRange(Date(2026, 12, 11) + 0.5, Date(2026, 12, 11) + 0.5 + 1.0 / 24);
        });
        row(TScaleType::sctXB, "date/time: days", [](TScale& s) {
            s.SetLabelType(TFigType::ftDateTime);
            s.SetRange(Date(2026, 11, 1), Date(2026, 12, 31));
        });
        row(TScaleType::sctXB, "date/time: months", [](TScale& s) {
            s.SetLabelType(TFigType::ftDateTime);
            s.SetRange(Date(2025, 1, 1), Date(2026, 12, 31));
        });
        row(TScaleType::sctXB, "date/time: years", [](TScale& s) {
            s.SetLabelType(TFigType::ftDateTime);
            s.SetRange(Date(2000, 1, 1), Date(2100, 1, 1));
        });
        row(TScaleType::sctXB, "", [](TScale& s) {  // a reversed date range
            s.SetLabelType(TFigType::ftDateTime);
            s.SetRange(Date(2026, 12, 31), Date(2026, 1, 1));
        });

        const int vx = 590, vh = 400, vw = 140;
        g.Add(vx, 6, vw, vh, TScaleType::sctYL, "linear (sctYL)", [](TScale& s) { s.SetRange(-1, 1); });
        g.Add(vx + 145, 6, vw, vh, TScaleType::sctYR, "log (sctYR)", [](TScale& s) {
            s.SetRange(0.01, 100);
            s.SetLogarithmic(true);
            s.SetMinTicks(6);
        });
        g.Add(vx + 290, 6, vw, vh, TScaleType::sctYL, "ftTime", [](TScale& s) {
            s.SetLabelType(TFigType::ftTime);
            s.SetRange(0, 90);
        });
        g.Add(vx + 435, 6, vw, vh, TScaleType::sctYR, "date/time", [](TScale& s) {
            s.SetLabelType(TFigType::ftDateTime);
            s.SetRange(Date(2026, 12, 11) + 0.25, Date(2026, 12, 11) + 0.75);
        });
        const TFrameStyle styles[] = {TFrameStyle::fsNone,    TFrameStyle::fsSimple,   TFrameStyle::fsLowered,
                                      TFrameStyle::fsRaised,  TFrameStyle::fsEmbossed, TFrameStyle::fsEngraved};
        const char* names[] = {"fsNone", "fsSimple", "fsLowered", "fsRaised", "fsEmbossed", "fsEngraved"};
        for (int i = 0; i < 6; ++i) {
            g.Add(vx + (i % 2) * 290, 420 + (i / 2) * 70, 280, 60, TScaleType::sctXB, names[i], [&](TScale& s) {
                s.SetFrameStyle(styles[i]);
                s.SetColorBackGnd(clBtnFace);
                s.SetRange(0, 1);
            });
        }
        g.Add(vx, 640, 570, 58, TScaleType::sctXB, "", [](TScale& s) {  // the scale writes its own message
            s.SetLabelType(TFigType::ftDateTime);
            s.SetRange(Date(2026, 12, 11), Date(2026, 12, 11) + 1e-7);
        });
        sheet.SaveToPNG(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "scale_gallery: %s\n", e.what());
        return 1;
    }
    return 0;
}
