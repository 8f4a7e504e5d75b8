#pragma once
// TWinControl: a control with a native window of the host, children laid out
// by their Align, and the entry points through which the host delivers
// input. Mouse messages over a window-less child go to that child.

#include <cstdint>
#include <vector>

#include "platform/controls/Control.h"
#include "platform/graphics/PixelBuffer.h"

namespace qvx {

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;
    std::string ClassName() const override { return "TWinControl"; }

    int ControlCount() const { return int(FControls.size()); }
    TControl* Controls(int index) const { return FControls.at(size_t(index)); }

    bool HandleAllocated() const { return FHandleAllocated; }
    // Creates the native window (and those of the children) when the parent
    // has one; forms create theirs when shown.
    void HandleNeeded();
    void DestroyHandle();

    int32_t TabOrder() const { return FTabOrder; }
    void SetTabOrder(int32_t value) { FTabOrder = value; }

    // Lays out the children by their Align, in creation order: top, bottom,
    // left and right strips, then the client filler.
    void AlignControls();
    // The area the children are aligned in; a panel's bevel takes some.
    virtual TRect AlignRect() const { return ClientRect(); }

    // Answer to the dialog-code query (DLGC_* flags): keys the control wants.
    virtual uint32_t DialogCode() const { return 0; }

    // The surface the control and its window-less children paint on, or
    // nullptr for natively drawn controls (buttons).
    virtual TPixelBuffer* Surface() { return nullptr; }

    void Invalidate() override;
    void SetParent(TWinControl* parent) override;

    // --- Entry points for the host (exceptions are reported, not thrown) ---
    void HostMouse(TMouseMessage kind, TMouseButton button, uint16_t keys, int32_t x, int32_t y);
    void HostMouseEnter();
    void HostMouseLeave();
    // The window must be painted: fills the surface (Paint, then the
    // window-less children) unless it is already up to date.
    void HostPaint();
    // The user resized the window to this client size.
    void HostResized(int32_t clientWidth, int32_t clientHeight);

    // Host bookkeeping: the host's own object for this window.
    void* HostData() const { return FHostData; }
    void SetHostData(void* data) { FHostData = data; }

protected:
    // Called when the host creates the window; overrides call the inherited one first.
    virtual void CreateWnd();
    virtual void DestroyWnd();
    virtual void PaintWindow() {}
    void PlacementChanged() override;
    void FontChanged() override;
    // Window-less child under a client point, topmost first.
    TControl* ControlAtPos(int32_t x, int32_t y) const;

    bool FSurfaceValid = false;

private:
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void DispatchMouse(TControl* target, TMouseMessage kind, TMouseButton button, uint16_t keys, int32_t x, int32_t y);
    void SetMouseControl(TControl* control);

    std::vector<TControl*> FControls;
    bool FHandleAllocated = false;
    bool FAligning = false;
    int32_t FTabOrder = -1;
    void* FHostData = nullptr;
    TControl* FCaptureControl = nullptr;  // window-less child holding the mouse while a button is down
    TControl* FMouseControl = nullptr;    // window-less child under the mouse

    friend class TControl;
};

}  // namespace qvx
