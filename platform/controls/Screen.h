#pragma once
// Screen: the application-wide cursor and the table of the program's own
// cursors (numbered from 1), each a 32 x 32 monochrome picture with a hot spot.

#include <array>
#include <cstdint>
#include <initializer_list>
#include <map>

#include "platform/controls/ControlTypes.h"

namespace qvx {

struct TCursorImage {
    static constexpr int Size = 32;
    enum Pixel : uint8_t { Transparent, Black, White, Inverted };
    std::array<uint8_t, Size * Size> Pixels{};  // row by row
    int32_t HotX = 0;
    int32_t HotY = 0;

    // From the classic AND and XOR masks, one 32-bit word per row with the
    // leftmost pixel in the most significant bit: AND 1 / XOR 0 transparent,
    // AND 0 / XOR 0 black, AND 0 / XOR 1 white, AND 1 / XOR 1 inverted.
    static TCursorImage FromMasks(const std::array<uint32_t, Size>& andMask, const std::array<uint32_t, Size>& xorMask,
                                  int32_t hotX, int32_t hotY);
    // From rows of text: '#' black, 'o' white, '~' inverted, anything else
    // transparent. Missing rows and columns are transparent.
    static TCursorImage FromArt(std::initializer_list<const char*> rows, int32_t hotX, int32_t hotY);
};

class TScreen {
public:
    TCursor Cursor() const { return FCursor; }
    // Sets the cursor for the whole application; crDefault lets every
    // window show its own again. An unregistered positive number shows the
    // default arrow.
    void SetCursor(TCursor value);
    // The program's own cursor with that number, or nullptr.
    const TCursorImage* Cursors(TCursor index) const;
    // Registers (or replaces) a cursor; numbers below 1 are refused.
    void SetCursors(TCursor index, const TCursorImage& image);

private:
    TCursor FCursor = crDefault;
    std::map<TCursor, TCursorImage> FCursors;
};

TScreen& Screen();

}  // namespace qvx
