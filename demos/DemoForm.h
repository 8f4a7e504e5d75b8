#pragma once
// The platform demo window: a button bar on a panel and a sketch area that
// draws with the canvas and follows the mouse.

#include <string>
#include <vector>

#include "platform/controls/BitBtn.h"
#include "platform/controls/Form.h"
#include "platform/controls/Panel.h"
#include "scale/Scale.h"

namespace qvx::demo {

// Draws a grid, the mouse's trail, a crosshair at the pointer and the last
// mouse messages it received.
class TSketch : public TCustomControl {
public:
    explicit TSketch(TComponent* AOwner);
    std::string ClassName() const override { return "TSketch"; }

    void ClearTrail();
    // Every mouse message as it arrived ("down 10,20", "dblclick", ...).
    const std::vector<std::string>& Log() const { return FLog; }

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
    void MouseMove(TShiftState Shift, int32_t X, int32_t Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
    void DblClick() override;
    void Click() override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    void Note(const std::string& what);

    std::vector<TPoint> FTrail;
    TPoint FMouse{-1, -1};
    std::vector<std::string> FLog;
};

class TDemoForm : public TForm {
public:
    explicit TDemoForm(TComponent* AOwner);
    std::string ClassName() const override { return "TDemoForm"; }

    TPanel* TopPanel;
    TBitBtn* ClearButton;
    TBitBtn* ExitButton;
    TScale* Scale;  // drag it to pan; double-click switches to zoom
    TSketch* Sketch;
};

}  // namespace qvx::demo
