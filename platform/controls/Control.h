#pragma once
// TControl: anything placed on a parent window, with bounds, alignment,
// visibility, font, colour and the mouse protocol (raw messages in, the
// classic virtual handlers and events out).

#include <cstdint>
#include <string>

#include "platform/controls/Component.h"
#include "platform/controls/ControlTypes.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/Types.h"

namespace qvx {

class TWinControl;

enum class TMouseMessage : uint8_t { Move, Down, DoubleDown, Up };

class TControl : public TComponent {
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;
    std::string ClassName() const override { return "TControl"; }

    int32_t Left() const { return FLeft; }
    int32_t Top() const { return FTop; }
    int32_t Width() const { return FWidth; }
    int32_t Height() const { return FHeight; }
    void SetLeft(int32_t v) { SetBounds(v, FTop, FWidth, FHeight); }
    void SetTop(int32_t v) { SetBounds(FLeft, v, FWidth, FHeight); }
    void SetWidth(int32_t v) { SetBounds(FLeft, FTop, v, FHeight); }
    void SetHeight(int32_t v) { SetBounds(FLeft, FTop, FWidth, v); }
    // Negative sizes count as 0.
    virtual void SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight);
    TRect BoundsRect() const { return {FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
    virtual int32_t ClientWidth() const { return FWidth; }
    virtual int32_t ClientHeight() const { return FHeight; }
    TRect ClientRect() const { return {0, 0, ClientWidth(), ClientHeight()}; }

    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign value);
    bool Visible() const { return FVisible; }
    virtual void SetVisible(bool value);
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool value);
    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* parent);

    TFont* Font() { return &FFont; }
    void SetFont(const TFont* value) { FFont.Assign(value); }
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool value);
    TColor Color() const { return FColor; }
    virtual void SetColor(TColor value);
    const std::string& Caption() const { return FCaption; }
    virtual void SetCaption(const std::string& value);

    // Point conversions between this control's client area and its parent's.
    TPoint ClientToParent(TPoint p) const { return {p.X + FLeft, p.Y + FTop}; }

    virtual void Invalidate();
    virtual void Repaint();

    // One raw mouse message, in client coordinates.
    void MouseMessage(TMouseMessage kind, TMouseButton button, TWMMouse& message);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnResize;

    // Mouse entering or leaving the control (fire OnMouseEnter/OnMouseLeave).
    virtual void MouseEnter();
    virtual void MouseLeave();
    virtual void Click();

protected:
    // The raw mouse-move message; the default handling calls MouseMove.
    virtual void WMMouseMove(TWMMouse& message);
    virtual void WMButtonDown(TMouseButton button, TWMMouse& message, bool doubleClick);
    virtual void WMButtonUp(TMouseButton button, TWMMouse& message);

    virtual void DblClick();
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y);
    virtual void MouseMove(TShiftState Shift, int32_t X, int32_t Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y);
    virtual void Resize();
    virtual void FontChanged();
    // Bounds, visibility and other placement changes, for the host.
    virtual void PlacementChanged() {}

    void RequestParentRealign();

    int32_t FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
    TAlign FAlign = TAlign::alNone;
    bool FVisible = true;
    bool FEnabled = true;
    TWinControl* FParent = nullptr;
    TFont FFont;
    bool FParentFont = true;
    bool FAssigningParentFont = false;
    TColor FColor = clBtnFace;
    std::string FCaption;
    bool FClicked = false;

    friend class TWinControl;
};

}  // namespace qvx
