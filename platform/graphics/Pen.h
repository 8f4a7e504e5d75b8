#pragma once
// The canvas pen: colour, width, dash style and raster mode of every outline.

#include <cstdint>

#include "platform/graphics/Color.h"
#include "platform/graphics/GraphicsObject.h"

namespace qvx {

enum class TPenStyle : uint8_t { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

// How the pen colour P combines with the destination D (bitwise per channel).
enum class TPenMode : uint8_t {
    pmBlack,         // 0
    pmWhite,         // 1
    pmNop,           // D
    pmNot,           // not D
    pmCopy,          // P
    pmNotCopy,       // not P
    pmMergePenNot,   // P or not D
    pmMaskPenNot,    // P and not D
    pmMergeNotPen,   // not P or D
    pmMaskNotPen,    // not P and D
    pmMerge,         // P or D
    pmNotMerge,      // not (P or D)
    pmMask,          // P and D
    pmNotMask,       // not (P and D)
    pmXor,           // P xor D
    pmNotXor,        // not (P xor D)
};

class TPen : public TGraphicsObject {
public:
    std::string ClassName() const override { return "TPen"; }

    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    // Width 0 or 1 draws one-pixel lines; wider pens draw round-capped bands.
    int32_t Width() const { return FWidth; }
    void SetWidth(int32_t value);
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle value);
    TPenMode Mode() const { return FMode; }
    void SetMode(TPenMode value);

    void Assign(const TPersistent* Source) override;

private:
    TColor FColor = clBlack;
    int32_t FWidth = 1;
    TPenStyle FStyle = TPenStyle::psSolid;
    TPenMode FMode = TPenMode::pmCopy;
};

}  // namespace qvx
