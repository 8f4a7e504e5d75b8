// Reading and writing bitmap files. This file checks what a decoder would
// otherwise trust (the signature, the declared size against the file's
// length) so that a hostile header cannot make it allocate gigabytes, decodes
// paletted pictures itself (stb_image misreads the palettes of old-style
// core headers and leaves indices beyond a short palette undefined), hands
// 16, 24 and 32-bit pictures to stb_image, and turns every failure into a
// clear exception.

#include <cstdint>
#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include <stb_image.h>
#include <stb_image_write.h>

#include "platform/core/Exceptions.h"
#include "platform/graphics/Bitmap.h"

namespace qvx {

namespace {

uint32_t U16(const std::vector<uint8_t>& d, size_t at) { return uint32_t(d[at]) | uint32_t(d[at + 1]) << 8; }
uint32_t U32(const std::vector<uint8_t>& d, size_t at) { return U16(d, at) | U16(d, at + 2) << 16; }

std::vector<uint8_t> ReadWholeFile(const std::string& fileName)
{
    std::ifstream in(fileName, std::ios::binary);
    if (!in) throw EFOpenError("Cannot open file \"" + fileName + "\"");
    std::vector<uint8_t> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw EFOpenError("Cannot read file \"" + fileName + "\"");
    return data;
}

[[noreturn]] void Invalid(const std::string& fileName, const std::string& why)
{
    throw EInvalidGraphic("\"" + fileName + "\" is not a valid bitmap: " + why);
}

// Checks the headers that decide how much memory decoding takes.
void CheckHeaders(const std::vector<uint8_t>& d, const std::string& fileName)
{
    if (d.size() < 26 || d[0] != 'B' || d[1] != 'M') Invalid(fileName, "no bitmap signature");
    const uint32_t offBits = U32(d, 10);
    const uint32_t infoSize = U32(d, 14);
    int64_t width, height;
    uint32_t bitCount, compression = 0;
    if (infoSize == 12) {
        width = U16(d, 18);  // unsigned in the old-style header
        height = U16(d, 20);
        bitCount = U16(d, 24);
    } else if (infoSize >= 40 && d.size() >= 34) {
        width = int32_t(U32(d, 18));
        height = int32_t(U32(d, 22));
        bitCount = U16(d, 28);
        compression = U32(d, 30);
    } else {
        Invalid(fileName, "unknown header size " + std::to_string(infoSize));
    }
    if (compression == 1 || compression == 2) Invalid(fileName, "run-length compressed bitmaps are not supported");
    if (compression != 0 && compression != 3) Invalid(fileName, "unsupported compression " + std::to_string(compression));
    if (width <= 0 || height == 0 || height == INT32_MIN) Invalid(fileName, "bad dimensions");
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32)
        Invalid(fileName, "unsupported colour depth " + std::to_string(bitCount));
    const int64_t rows = height < 0 ? -height : height;
    if (width * rows > TPixelBuffer::MaxPixels) Invalid(fileName, "picture too large");
    const int64_t rowBytes = (width * bitCount + 31) / 32 * 4;
    if (offBits > d.size() || int64_t(d.size() - offBits) < rowBytes * rows) Invalid(fileName, "file is truncated");
}

// Pictures of 1, 4 or 8 bits per pixel: palette lookups, rows padded to
// four bytes, bottom-up unless the height is negative. Indices beyond the
// palette read as black. The headers have passed CheckHeaders.
TPixelBuffer DecodePaletted(const std::vector<uint8_t>& d)
{
    const uint32_t offBits = U32(d, 10);
    const uint32_t infoSize = U32(d, 14);
    const bool core = infoSize == 12;
    const int64_t width = core ? int64_t(U16(d, 18)) : int64_t(int32_t(U32(d, 18)));
    const int64_t height = core ? int64_t(U16(d, 20)) : int64_t(int32_t(U32(d, 22)));
    const uint32_t bpp = core ? U16(d, 24) : U16(d, 28);
    const size_t entrySize = core ? 3 : 4;
    const size_t paletteStart = 14 + size_t(infoSize);
    size_t count = size_t(1) << bpp;
    if (!core && d.size() >= 50 && U32(d, 46) != 0) count = std::min<size_t>(count, U32(d, 46));
    const size_t available = offBits > paletteStart ? (std::min<size_t>(offBits, d.size()) - paletteStart) / entrySize : 0;
    count = std::min(count, available);
    TPixel palette[256];
    for (size_t i = 0; i < 256; ++i) {
        const size_t at = paletteStart + i * entrySize;
        palette[i] = i < count ? 0xFF000000u | uint32_t(d[at + 2]) << 16 | uint32_t(d[at + 1]) << 8 | d[at]
                               : 0xFF000000u;
    }
    const int64_t rows = height < 0 ? -height : height;
    const size_t rowBytes = size_t((width * bpp + 31) / 32 * 4);
    TPixelBuffer out;
    out.Resize(int32_t(width), int32_t(rows), 0xFF000000u);
    const uint32_t mask = (1u << bpp) - 1;
    for (int64_t r = 0; r < rows; ++r) {
        const uint8_t* src = d.data() + offBits + size_t(r) * rowBytes;
        TPixel* dst = out.Row(int32_t(height < 0 ? r : rows - 1 - r));
        for (int64_t x = 0; x < width; ++x) {
            const size_t bit = size_t(x) * bpp;
            const uint32_t index = (src[bit / 8] >> (8 - bpp - bit % 8)) & mask;
            dst[x] = palette[index];
        }
    }
    return out;
}

}  // namespace

void TBitmap::LoadFromFile(const std::string& fileName)
{
    const std::vector<uint8_t> data = ReadWholeFile(fileName);
    CheckHeaders(data, fileName);
    const uint32_t bpp = U32(data, 14) == 12 ? U16(data, 24) : U16(data, 28);
    if (bpp <= 8) {
        FBuffer = DecodePaletted(data);
        return;
    }
    int w = 0, h = 0, channels = 0;
    std::unique_ptr<stbi_uc, void (*)(void*)> rgba(
        stbi_load_from_memory(data.data(), int(data.size()), &w, &h, &channels, 4), stbi_image_free);
    if (!rgba) Invalid(fileName, stbi_failure_reason() ? stbi_failure_reason() : "cannot decode");

    TPixelBuffer loaded;
    loaded.Resize(w, h, 0);
    const stbi_uc* src = rgba.get();
    for (int y = 0; y < h; ++y) {
        TPixel* row = loaded.Row(y);
        for (int x = 0; x < w; ++x, src += 4) {
            // The fourth byte of a 32-bit bitmap is not transparency here.
            row[x] = 0xFF000000u | uint32_t(src[0]) << 16 | uint32_t(src[1]) << 8 | src[2];
        }
    }
    FBuffer = std::move(loaded);
}

namespace {

std::vector<uint8_t> ToRGB(const TPixelBuffer& buffer)
{
    std::vector<uint8_t> rgb(size_t(buffer.Width()) * size_t(buffer.Height()) * 3);
    uint8_t* out = rgb.data();
    for (int32_t y = 0; y < buffer.Height(); ++y) {
        const TPixel* row = buffer.Row(y);
        for (int32_t x = 0; x < buffer.Width(); ++x) {
            *out++ = uint8_t(row[x] >> 16);
            *out++ = uint8_t(row[x] >> 8);
            *out++ = uint8_t(row[x]);
        }
    }
    return rgb;
}

}  // namespace

void TBitmap::SaveToFile(const std::string& fileName) const
{
    if (Empty()) throw EInvalidGraphic("Cannot save an empty bitmap to \"" + fileName + "\"");
    const std::vector<uint8_t> rgb = ToRGB(FBuffer);
    if (!stbi_write_bmp(fileName.c_str(), Width(), Height(), 3, rgb.data()))
        throw EFOpenError("Cannot create file \"" + fileName + "\"");
}

void TBitmap::SaveToPNG(const std::string& fileName) const
{
    if (Empty()) throw EInvalidGraphic("Cannot save an empty bitmap to \"" + fileName + "\"");
    const std::vector<uint8_t> rgb = ToRGB(FBuffer);
    if (!stbi_write_png(fileName.c_str(), Width(), Height(), 3, rgb.data(), Width() * 3))
        throw EFOpenError("Cannot create file \"" + fileName + "\"");
}

}  // namespace qvx
