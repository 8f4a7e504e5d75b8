#pragma once
// TBitmap: an off-screen 32-bit picture with its own canvas. New or enlarged
// areas start white. Files: Windows bitmaps (.bmp) are read, PNG snapshots
// and 24-bit .bmp files written.

#include <cstdint>
#include <string>

#include "platform/core/Object.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/PixelBuffer.h"

namespace qvx {

// Recorded for callers that ask for a format; the pixels are always 32-bit.
enum class TPixelFormat : uint8_t { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };

class TBitmap : public TPersistent {
public:
    TBitmap();
    TBitmap(int32_t width, int32_t height);
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    std::string ClassName() const override { return "TBitmap"; }

    int32_t Width() const { return FBuffer.Width(); }
    int32_t Height() const { return FBuffer.Height(); }
    void SetWidth(int32_t value) { SetSize(value, Height()); }
    void SetHeight(int32_t value) { SetSize(Width(), value); }
    // Negative sizes count as 0; a size beyond TPixelBuffer::MaxPixels raises
    // EOutOfResources and keeps the bitmap as it was.
    void SetSize(int32_t width, int32_t height);
    bool Empty() const { return Width() == 0 || Height() == 0; }
    TPixelFormat PixelFormat() const { return FPixelFormat; }
    void SetPixelFormat(TPixelFormat value) { FPixelFormat = value; }

    TCanvas* Canvas() { return &FCanvas; }
    TPixelBuffer& Buffer() { return FBuffer; }
    const TPixelBuffer& Buffer() const { return FBuffer; }
    TPixel* ScanLine(int32_t y) { return FBuffer.Row(y); }

    // Reads a Windows bitmap file (1, 4, 8, 16, 24 or 32 bits per pixel,
    // bottom-up or top-down). A missing file raises EFOpenError, anything
    // that is not a readable bitmap EInvalidGraphic; either way the bitmap
    // keeps its previous size and pixels.
    void LoadFromFile(const std::string& fileName);
    // Writes the pixels as a 24-bit Windows bitmap file.
    void SaveToFile(const std::string& fileName) const;
    // Writes the pixels as an opaque PNG file.
    void SaveToPNG(const std::string& fileName) const;

    void Assign(const TPersistent* Source) override;

private:
    TPixelBuffer FBuffer;
    TCanvas FCanvas;
    TPixelFormat FPixelFormat = TPixelFormat::pfDevice;
};

}  // namespace qvx
