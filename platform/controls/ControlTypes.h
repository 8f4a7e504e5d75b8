#pragma once
// Vocabulary shared by controls and hosts: alignment, mouse buttons, shift
// states, cursors, the raw mouse message and the mouse event signatures.

#include <cstdint>
#include <functional>
#include <initializer_list>

#include "platform/core/Object.h"

namespace qvx {

enum class TAlign : uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum class TAlignment : uint8_t { taLeftJustify, taRightJustify, taCenter };
enum class TMouseButton : uint8_t { mbLeft, mbRight, mbMiddle };

enum class TShiftStateFlag : uint8_t { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };

class TShiftState {
public:
    constexpr TShiftState() = default;
    constexpr TShiftState(std::initializer_list<TShiftStateFlag> flags)
    {
        for (TShiftStateFlag f : flags) Include(f);
    }
    constexpr bool Contains(TShiftStateFlag f) const { return (FBits & Bit(f)) != 0; }
    constexpr TShiftState& Include(TShiftStateFlag f) { FBits |= Bit(f); return *this; }
    constexpr TShiftState& Exclude(TShiftStateFlag f) { FBits &= uint8_t(~Bit(f)); return *this; }
    constexpr bool Empty() const { return FBits == 0; }
    friend constexpr TShiftState operator+(TShiftState a, TShiftState b) { a.FBits |= b.FBits; return a; }
    friend constexpr bool operator==(TShiftState, TShiftState) = default;

private:
    static constexpr uint8_t Bit(TShiftStateFlag f) { return uint8_t(1u << unsigned(f)); }
    uint8_t FBits = 0;
};

constexpr TShiftStateFlag ssShift = TShiftStateFlag::ssShift;
constexpr TShiftStateFlag ssAlt = TShiftStateFlag::ssAlt;
constexpr TShiftStateFlag ssCtrl = TShiftStateFlag::ssCtrl;
constexpr TShiftStateFlag ssLeft = TShiftStateFlag::ssLeft;
constexpr TShiftStateFlag ssRight = TShiftStateFlag::ssRight;
constexpr TShiftStateFlag ssMiddle = TShiftStateFlag::ssMiddle;
constexpr TShiftStateFlag ssDouble = TShiftStateFlag::ssDouble;

// Cursor numbers: the predefined shapes are negative, 0 is the default,
// positive numbers are the program's own cursors registered with Screen.
using TCursor = int16_t;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

// Key flags of a raw mouse message.
constexpr uint16_t MK_LBUTTON = 0x0001;
constexpr uint16_t MK_RBUTTON = 0x0002;
constexpr uint16_t MK_SHIFT = 0x0004;
constexpr uint16_t MK_CONTROL = 0x0008;
constexpr uint16_t MK_MBUTTON = 0x0010;

// Answers to the dialog-code query: which keys a control handles itself.
constexpr uint32_t DLGC_WANTARROWS = 0x0001;
constexpr uint32_t DLGC_WANTTAB = 0x0002;
constexpr uint32_t DLGC_WANTALLKEYS = 0x0004;
constexpr uint32_t DLGC_WANTCHARS = 0x0080;

// A raw mouse message: the position as 16-bit signed client coordinates,
// as the windowing system delivers them.
struct TWMMouse {
    uint16_t Keys = 0;
    int16_t XPos = 0;
    int16_t YPos = 0;
    intptr_t Result = 0;
};

// Mouse key flags to a shift state; ssAlt comes from the host's keyboard state.
TShiftState KeysToShiftState(uint16_t keys);

class TControl;
using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int32_t X, int32_t Y)>;

}  // namespace qvx
