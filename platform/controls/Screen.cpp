#include "platform/controls/Screen.h"

#include <algorithm>
#include <cstring>

#include "platform/controls/Application.h"

namespace qvx {

TScreen& Screen()
{
    static TScreen screen;
    return screen;
}

TCursorImage TCursorImage::FromMasks(const std::array<uint32_t, Size>& andMask, const std::array<uint32_t, Size>& xorMask,
                                     int32_t hotX, int32_t hotY)
{
    TCursorImage img;
    img.HotX = hotX;
    img.HotY = hotY;
    for (int y = 0; y < Size; ++y) {
        for (int x = 0; x < Size; ++x) {
            const bool a = (andMask[size_t(y)] >> (31 - x)) & 1u;
            const bool o = (xorMask[size_t(y)] >> (31 - x)) & 1u;
            img.Pixels[size_t(y * Size + x)] = a ? (o ? Inverted : Transparent) : (o ? White : Black);
        }
    }
    return img;
}

TCursorImage TCursorImage::FromArt(std::initializer_list<const char*> rows, int32_t hotX, int32_t hotY)
{
    TCursorImage img;
    img.HotX = hotX;
    img.HotY = hotY;
    int y = 0;
    for (const char* row : rows) {
        if (y >= Size) break;
        const size_t n = std::min<size_t>(std::strlen(row), Size);
        for (size_t x = 0; x < n; ++x) {
            const char ch = row[x];
            img.Pixels[size_t(y * Size) + x] = ch == '#' ? Black : ch == 'o' ? White : ch == '~' ? Inverted : Transparent;
        }
        ++y;
    }
    return img;
}

void TScreen::SetCursor(TCursor value)
{
    FCursor = value;
    if (THost* host = Application().Host()) host->SetCursor(value, Cursors(value));
}

const TCursorImage* TScreen::Cursors(TCursor index) const
{
    const auto it = FCursors.find(index);
    return it == FCursors.end() ? nullptr : &it->second;
}

void TScreen::SetCursors(TCursor index, const TCursorImage& image)
{
    if (index < 1) return;
    FCursors[index] = image;
    if (index == FCursor) SetCursor(FCursor);
}

}  // namespace qvx
