// The committed picture strips against the symbol table: a strip that is
// short of a cell, or a cell drawn for the wrong entry count, shows the
// wrong picture for every entry after it.
#include "base/platform.h"
#include "palette/symbol_table.h"
#include "tests/support/source_tree.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

namespace {

uint32_t le(const std::string& b, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(b[at + i]);
    return v;
}

// A 4-bit bottom-up bitmap as its header states it, or a failure.
struct Bitmap {
    int32_t width = 0;
    int32_t height = 0;
    uint32_t bits = 0;
    std::string bytes;
    uint32_t offset = 0;
    // Palette index of pixel (x, y), y from the top.
    int pixel(int32_t x, int32_t y) const {
        const size_t stride = ((static_cast<size_t>(width) * 4 + 31) / 32) * 4;
        const uint8_t b = static_cast<uint8_t>(bytes[offset + stride * (height - 1 - y) + x / 2]);
        return x % 2 ? (b & 0xF) : (b >> 4);
    }
};

::testing::AssertionResult readBitmap(const char* relative, Bitmap& bmp) {
    if (!platform::readFile(sourceFile(relative), bmp.bytes)) return ::testing::AssertionFailure() << "cannot read " << relative;
    const std::string& b = bmp.bytes;
    if (b.size() < 54 + 64 || b.compare(0, 2, "BM") != 0 || le(b, 14, 4) != 40)
        return ::testing::AssertionFailure() << relative << " is no Windows bitmap";
    bmp.width = static_cast<int32_t>(le(b, 18, 4));
    bmp.height = static_cast<int32_t>(le(b, 22, 4));
    bmp.bits = le(b, 28, 2);
    bmp.offset = le(b, 10, 4);
    if (bmp.bits != 4 || le(b, 30, 4) != 0) return ::testing::AssertionFailure() << relative << ": not 4 bits uncompressed";
    if (bmp.width <= 0 || bmp.height <= 0) return ::testing::AssertionFailure() << relative << ": not bottom-up";
    const size_t stride = ((static_cast<size_t>(bmp.width) * 4 + 31) / 32) * 4;
    if (b.size() < bmp.offset + stride * static_cast<size_t>(bmp.height))
        return ::testing::AssertionFailure() << relative << ": pixel data cut short";
    // The standard 16 colours, so the pictures look alike on any display.
    constexpr std::array<uint32_t, 16> Standard{
        0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
        0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    for (size_t i = 0; i < 16; ++i) {
        const uint32_t rgb = le(b, 54 + 4 * i, 3); // stored blue, green, red
        if (rgb != Standard[i]) return ::testing::AssertionFailure() << relative << ": palette entry " << i << " differs";
    }
    return ::testing::AssertionSuccess();
}

constexpr int White = 15;

} // namespace

TEST(PaletteBitmaps, OneCellPerEntryEachWithItsPicture) {
    for (const palette::Category& c : palette::categories()) {
        const std::string file = "frame/win32/res/palette" + std::to_string(c.bitmap) + ".bmp";
        SCOPED_TRACE(file);
        Bitmap bmp;
        ASSERT_TRUE(readBitmap(file.c_str(), bmp));
        EXPECT_EQ(bmp.height, palette::CellHeight);
        ASSERT_EQ(bmp.width, palette::stripWidth(c));
        for (int32_t cell = 0; cell < static_cast<int32_t>(c.entries.size()); ++cell) {
            const int32_t x0 = cell * c.cellWidth;
            bool ink = false;
            bool edgesBlank = true;
            for (int32_t y = 0; y < bmp.height; ++y) {
                for (int32_t x = x0; x < x0 + c.cellWidth; ++x) {
                    const bool inked = bmp.pixel(x, y) != White;
                    ink |= inked;
                    if (inked && (x == x0 || x == x0 + c.cellWidth - 1)) edgesBlank = false;
                }
            }
            EXPECT_TRUE(ink) << "cell " << cell << " is empty";
            EXPECT_TRUE(edgesBlank) << "cell " << cell << " runs into its neighbour";
        }
    }
}

TEST(PaletteBitmaps, PageLayoutPicture) {
    Bitmap bmp;
    ASSERT_TRUE(readBitmap("frame/win32/res/layout118.bmp", bmp));
    EXPECT_EQ(bmp.width, 200);
    EXPECT_EQ(bmp.height, 283);
}

TEST(PaletteBitmaps, ResourceScriptNamesEveryStrip) {
    std::string rc;
    ASSERT_TRUE(platform::readFile(sourceFile("frame/win32/plugin.rc"), rc));
    for (const palette::Category& c : palette::categories()) {
        const std::string n = std::to_string(c.bitmap);
        const std::string line = "\n" + n + " BITMAP \"res/palette" + n + ".bmp\"";
        EXPECT_NE(rc.find(line), std::string::npos) << line.substr(1);
    }
}
