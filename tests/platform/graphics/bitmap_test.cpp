#include "platform/graphics/Bitmap.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/graphics/Pen.h"

namespace {

// The 5 x 3 test picture: odd width so that every depth needs row padding.
constexpr int kW = 5;
constexpr int kH = 3;

// Distinct colours for palette entries and for the pixels of direct-colour files.
uint8_t R(int i) { return uint8_t(i * 53 + 7); }
uint8_t G(int i) { return uint8_t(i * 101 + 29); }
uint8_t B(int i) { return uint8_t(i * 197 + 71); }

// Palette index of pixel k = x + 5y, spread over the palette so that high
// entries are used too.
int IndexOf(int k, int bpp)
{
    return bpp == 1 ? (k + k / kW) % 2 : (k * 37 + 11) % (1 << bpp);
}

// 5-5-5 files: each channel is 0 or full so the expansion to 8 bits is exact.
uint16_t Pixel555(int k)
{
    return uint16_t(((k & 1) ? 31 << 10 : 0) | ((k & 2) ? 31 << 5 : 0) | ((k & 4) ? 31 : 0));
}

// salt shifts all colours, so that no case can pass on what an earlier case
// left behind in the decoder.
qvx::TColor Expected(int x, int y, int bpp, int salt)
{
    const int k = x + kW * y;
    if (bpp <= 8) {
        const int i = IndexOf(k, bpp) + salt;
        return qvx::RGB(R(i), G(i), B(i));
    }
    if (bpp == 16) return qvx::RGB((k & 1) ? 255 : 0, (k & 2) ? 255 : 0, (k & 4) ? 255 : 0);
    return qvx::RGB(R(k + salt), G(k + salt), B(k + salt));
}

struct TBytes {
    std::vector<uint8_t> d;
    void U8(uint32_t v) { d.push_back(uint8_t(v)); }
    void U16(uint32_t v) { U8(v); U8(v >> 8); }
    void U32(uint32_t v) { U16(v); U16(v >> 16); }
    void Put32At(size_t at, uint32_t v)
    {
        for (int i = 0; i < 4; ++i) d[at + i] = uint8_t(v >> (8 * i));
    }
};

// A Windows bitmap file of the test picture. height > 0 stores rows
// bottom-up, < 0 top-down; headerSize is 40 (info) or 12 (core).
std::vector<uint8_t> MakeBmp(int bpp, int height, int headerSize = 40, int salt = 0)
{
    const int rows = height < 0 ? -height : height;
    const int paletteCount = bpp <= 8 ? 1 << bpp : 0;
    const int entry = headerSize == 12 ? 3 : 4;
    const int rowBytes = (kW * bpp + 31) / 32 * 4;
    const uint32_t offBits = 14 + headerSize + paletteCount * entry;
    TBytes b;
    b.U8('B');
    b.U8('M');
    b.U32(offBits + rowBytes * rows);
    b.U32(0);
    b.U32(offBits);
    b.U32(headerSize);
    if (headerSize == 12) {
        b.U16(kW);
        b.U16(uint16_t(height));
        b.U16(1);
        b.U16(bpp);
    } else {
        b.U32(kW);
        b.U32(uint32_t(height));
        b.U16(1);
        b.U16(bpp);
        b.U32(0);  // uncompressed
        b.U32(rowBytes * rows);
        b.U32(2835);
        b.U32(2835);
        b.U32(paletteCount);
        b.U32(0);
    }
    for (int i = 0; i < paletteCount; ++i) {
        b.U8(B(i + salt));
        b.U8(G(i + salt));
        b.U8(R(i + salt));
        if (entry == 4) b.U8(0);
    }
    for (int fileRow = 0; fileRow < rows; ++fileRow) {
        const int y = height > 0 ? rows - 1 - fileRow : fileRow;
        const size_t start = b.d.size();
        uint32_t bits = 0;  // sub-byte pixels, most significant first
        int nbits = 0;
        for (int x = 0; x < kW; ++x) {
            const int k = x + kW * y;
            switch (bpp) {
            case 1:
            case 4:
                bits = bits << bpp | uint32_t(IndexOf(k, bpp));
                nbits += bpp;
                if (nbits == 8) {
                    b.U8(bits);
                    bits = 0;
                    nbits = 0;
                }
                break;
            case 8: b.U8(IndexOf(k, 8)); break;
            case 16: b.U16(Pixel555(k)); break;
            default:
                b.U8(B(k + salt));
                b.U8(G(k + salt));
                b.U8(R(k + salt));
                if (bpp == 32) b.U8(0x10 + 0x2F * k);  // never zero, never read as alpha
            }
        }
        if (nbits > 0) b.U8(bits << (8 - nbits));
        while (b.d.size() - start < size_t(rowBytes)) b.U8(0);
    }
    return b.d;
}

std::string TempPath(const std::string& name)
{
    return ::testing::TempDir() + "qvx_bitmap_test_" + name;
}

std::string WriteTemp(const std::string& name, const std::vector<uint8_t>& bytes)
{
    const std::string path = TempPath(name);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return path;
}

std::vector<qvx::TColor> PixelsOf(qvx::TBitmap& bitmap)
{
    std::vector<qvx::TColor> out;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) out.push_back(bitmap.Canvas()->Pixels(x, y));
    return out;
}

// A small bitmap whose pixels all differ, to see that nothing was disturbed.
void Paint(qvx::TBitmap& bitmap, int seed = 0)
{
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            bitmap.Canvas()->SetPixels(x, y, qvx::RGB(R(x + 7 * y + seed), G(x + 7 * y + seed), B(x + 7 * y + seed)));
}

TEST(BitmapLoad, EveryDepthAndRowOrderGivesEveryPixel)
{
    struct Case {
        int Bpp;
        int Height;
        int HeaderSize;
    } cases[] = {
        {1, kH, 40},  {1, -kH, 40},  {4, kH, 40},  {4, -kH, 40},  {8, kH, 40},  {8, -kH, 40},
        {16, kH, 40}, {16, -kH, 40}, {24, kH, 40}, {24, -kH, 40}, {32, kH, 40}, {32, -kH, 40},
        {1, kH, 12},  {4, kH, 12},   {8, kH, 12},  {24, kH, 12},
    };
    for (const Case& c : cases) {
        const int salt = c.Bpp * 3 + c.HeaderSize + (c.Height < 0);
        const std::string name =
            std::to_string(c.Bpp) + "bpp_" + (c.Height > 0 ? "bottomup" : "topdown") + "_hdr" + std::to_string(c.HeaderSize);
        SCOPED_TRACE(name);
        const std::string path = WriteTemp(name + ".bmp", MakeBmp(c.Bpp, c.Height, c.HeaderSize, salt));
        qvx::TBitmap bitmap;
        ASSERT_NO_THROW(bitmap.LoadFromFile(path));
        ASSERT_EQ(bitmap.Width(), kW);
        ASSERT_EQ(bitmap.Height(), kH);
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x)
                EXPECT_EQ(bitmap.Canvas()->Pixels(x, y), Expected(x, y, c.Bpp, salt)) << "pixel " << x << "," << y;
        // The fourth byte of 32-bit pixels must not leak into the pixel word.
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x) EXPECT_EQ(bitmap.ScanLine(y)[x] >> 24, 0xFFu) << "pixel " << x << "," << y;
        std::remove(path.c_str());
    }
}

TEST(BitmapLoad, FailuresRaiseTheRightErrorNameTheFileAndKeepTheBitmap)
{
    using Edit = std::function<void(TBytes&)>;
    struct Case {
        const char* Name;
        Edit Change;  // nullptr: no file at all
        bool OpenError;
    } cases[] = {
        {"missing", nullptr, true},
        {"signature", [](TBytes& b) { b.d[1] = 'N'; }, false},
        {"truncated", [](TBytes& b) { b.d.resize(b.d.size() - 3); }, false},
        {"rle8", [](TBytes& b) { b.Put32At(30, 1); }, false},
        {"rle4", [](TBytes& b) { b.Put32At(30, 2); }, false},
        {"huge", [](TBytes& b) { b.Put32At(18, 60000); b.Put32At(22, 60000); }, false},
        {"huge_topdown", [](TBytes& b) { b.Put32At(18, 16384); b.Put32At(22, uint32_t(-16384)); }, false},
        {"header_size", [](TBytes& b) { b.Put32At(14, 20); }, false},
        {"zero_width", [](TBytes& b) { b.Put32At(18, 0); }, false},
        {"zero_height", [](TBytes& b) { b.Put32At(22, 0); }, false},
        // Core headers hold unsigned 16-bit sizes: 65535 rows, not -1.
        {"core_tall", [](TBytes& b) {
             b.d = MakeBmp(24, kH, 12);
             b.d[20] = 0xFF;
             b.d[21] = 0xFF;
         }, false},
        {"empty_file", [](TBytes& b) { b.d.clear(); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::string path = TempPath(std::string("bad_") + c.Name + ".bmp");
        std::remove(path.c_str());
        if (c.Change) {
            TBytes bytes{MakeBmp(8, kH)};
            c.Change(bytes);
            WriteTemp(std::string("bad_") + c.Name + ".bmp", bytes.d);
        }
        qvx::TBitmap bitmap(4, 2);
        Paint(bitmap);
        const std::vector<qvx::TColor> before = PixelsOf(bitmap);
        try {
            bitmap.LoadFromFile(path);
            ADD_FAILURE() << "no exception";
        } catch (const qvx::EFOpenError& e) {
            EXPECT_TRUE(c.OpenError) << "EFOpenError: " << e.what();
            EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
        } catch (const qvx::EInvalidGraphic& e) {
            EXPECT_FALSE(c.OpenError) << "EInvalidGraphic: " << e.what();
            EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
        } catch (const std::exception& e) {
            ADD_FAILURE() << "unexpected exception: " << e.what();
        }
        EXPECT_EQ(bitmap.Width(), 4);
        EXPECT_EQ(bitmap.Height(), 2);
        EXPECT_EQ(PixelsOf(bitmap), before);
        std::remove(path.c_str());
    }
}

TEST(BitmapSave, BmpRoundTripKeepsEveryPixel)
{
    qvx::TBitmap source(7, 5);
    Paint(source, 3);
    const std::string path = TempPath("roundtrip.bmp");
    source.SaveToFile(path);
    qvx::TBitmap loaded;
    loaded.LoadFromFile(path);
    EXPECT_EQ(loaded.Width(), 7);
    EXPECT_EQ(loaded.Height(), 5);
    EXPECT_EQ(PixelsOf(loaded), PixelsOf(source));
    std::remove(path.c_str());
}

TEST(BitmapSave, PngStartsWithTheSignature)
{
    qvx::TBitmap source(3, 2);
    Paint(source);
    const std::string path = TempPath("snapshot.png");
    source.SaveToPNG(path);
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::vector<uint8_t> signature = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    ASSERT_GE(bytes.size(), signature.size());
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 8), signature);
    std::remove(path.c_str());
}

TEST(BitmapSave, EmptyBitmapIsRefusedInEitherFormat)
{
    for (auto [w, h] : {std::pair{0, 0}, std::pair{5, 0}, std::pair{0, 5}}) {
        qvx::TBitmap empty(w, h);
        EXPECT_THROW(empty.SaveToFile(TempPath("empty.bmp")), qvx::EInvalidGraphic) << w << "x" << h;
        EXPECT_THROW(empty.SaveToPNG(TempPath("empty.png")), qvx::EInvalidGraphic) << w << "x" << h;
    }
}

TEST(BitmapSize, ResizeKeepsTopLeftAndFillsNewAreaWhite)
{
    qvx::TBitmap bitmap(3, 2);
    Paint(bitmap);
    const std::vector<qvx::TColor> original = PixelsOf(bitmap);
    bitmap.SetSize(5, 4);
    ASSERT_EQ(bitmap.Width(), 5);
    ASSERT_EQ(bitmap.Height(), 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(bitmap.Canvas()->Pixels(x, y), x < 3 && y < 2 ? original[size_t(x + 3 * y)] : qvx::clWhite)
                << x << "," << y;

    bitmap.SetSize(2, 1);
    EXPECT_EQ(PixelsOf(bitmap), (std::vector<qvx::TColor>{original[0], original[1]}));
    // Growing again must not resurrect the cut-off pixels.
    bitmap.SetSize(3, 2);
    EXPECT_EQ(PixelsOf(bitmap),
              (std::vector<qvx::TColor>{original[0], original[1], qvx::clWhite, qvx::clWhite, qvx::clWhite, qvx::clWhite}));
}

TEST(BitmapSize, NegativeSizesBecomeZero)
{
    qvx::TBitmap bitmap(4, 4);
    bitmap.SetSize(-3, 5);
    EXPECT_EQ(bitmap.Width(), 0);
    EXPECT_EQ(bitmap.Height(), 5);
    EXPECT_TRUE(bitmap.Empty());
    bitmap.SetSize(INT32_MIN, -1);
    EXPECT_EQ(bitmap.Width(), 0);
    EXPECT_EQ(bitmap.Height(), 0);
}

TEST(BitmapSize, TooLargeRaisesAndKeepsTheBitmap)
{
    qvx::TBitmap bitmap(3, 2);
    Paint(bitmap);
    const std::vector<qvx::TColor> before = PixelsOf(bitmap);
    const int32_t side = 1 << 14;  // side * side == MaxPixels
    static_assert(int64_t(side) * side == qvx::TPixelBuffer::MaxPixels);
    for (auto [w, h] : {std::pair{side, side + 1}, std::pair{INT32_MAX, 2}, std::pair{INT32_MAX, INT32_MAX}}) {
        EXPECT_THROW(bitmap.SetSize(w, h), qvx::EOutOfResources) << w << "x" << h;
        EXPECT_EQ(bitmap.Width(), 3);
        EXPECT_EQ(bitmap.Height(), 2);
        EXPECT_EQ(PixelsOf(bitmap), before);
    }
}

TEST(BitmapAssign, CopiesPixelsIndependently)
{
    qvx::TBitmap source(4, 3);
    Paint(source);
    qvx::TBitmap copy(1, 1);
    copy.Assign(&source);
    EXPECT_EQ(copy.Width(), 4);
    EXPECT_EQ(copy.Height(), 3);
    EXPECT_EQ(PixelsOf(copy), PixelsOf(source));
    // Drawing on the copy goes to the copy's own pixels.
    copy.Canvas()->SetPixels(0, 0, qvx::clBlack);
    EXPECT_NE(source.Canvas()->Pixels(0, 0), qvx::clBlack);
}

TEST(BitmapAssign, FromPenRaisesConvertErrorNamingBothClasses)
{
    qvx::TBitmap bitmap(2, 2);
    Paint(bitmap);
    const std::vector<qvx::TColor> before = PixelsOf(bitmap);
    qvx::TPen pen;
    try {
        bitmap.Assign(&pen);
        ADD_FAILURE() << "no exception";
    } catch (const qvx::EConvertError& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find("TPen"), std::string::npos) << message;
        EXPECT_NE(message.find("TBitmap"), std::string::npos) << message;
    }
    EXPECT_EQ(PixelsOf(bitmap), before);
}

}  // namespace
