#include "palette/symbol_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

std::string narrow(u16view s) { return std::string(s.begin(), s.end()); }

struct Row {
    const char* name;
    uint32_t command;
    uint32_t mask;
    uint32_t title;
    int32_t bitmap;
    int32_t cellWidth;
    size_t count;
    int32_t stripWidth;
};

// One row per category, in the order tabs are added.
constexpr Row Expected[] = {
    {"SGreek", 41009, 0x1, 0x1070001, 107, 32, 37, 1184},
    {"BGreek", 41010, 0x2, 0x1070002, 108, 32, 22, 704},
    {"Math", 41011, 0x4, 0x1070003, 109, 32, 44, 1408},
    {"Relation", 41012, 0x8, 0x1070004, 110, 32, 38, 1216},
    {"Operator", 41013, 0x10, 0x1070005, 111, 32, 36, 1152},
    {"Arrow", 41014, 0x20, 0x1070006, 112, 32, 32, 1024},
    {"PAccent", 41015, 0x40, 0x1070007, 113, 32, 16, 512},
    {"BAccent", 41016, 0x80, 0x1070008, 114, 64, 8, 512},
    {"Bracket", 41017, 0x100, 0x1070009, 115, 32, 20, 640},
    {"AMSSymbol", 41092, 0x200, 0x1070010, 123, 32, 28, 896},
    {"AMSRelation", 41093, 0x400, 0x107000D, 120, 32, 66, 2112},
    {"AMSNRelation", 41094, 0x800, 0x107000E, 121, 32, 54, 1728},
    {"AMSOperator", 41095, 0x1000, 0x107000C, 119, 32, 23, 736},
    {"AMSArrow", 41096, 0x2000, 0x107000F, 122, 32, 39, 1248},
    {"AMSPAccent", 41099, 0x4000, 0x1070011, 124, 32, 26, 832},
    {"SChar", 41019, 0x8000, 0x107000A, 116, 32, 27, 864},
    {"EChar", 41081, 0x10000, 0x107000B, 117, 32, 31, 992},
};

} // namespace

TEST(SymbolTable, EveryCategoryInMaskOrder) {
    auto cats = palette::categories();
    ASSERT_EQ(cats.size(), std::size(Expected));
    for (size_t i = 0; i < cats.size(); ++i) {
        const auto& c = cats[i];
        const Row& r = Expected[i];
        SCOPED_TRACE(r.name);
        EXPECT_EQ(narrow(c.name), r.name);
        EXPECT_EQ(c.command, r.command);
        EXPECT_EQ(c.mask, r.mask);
        EXPECT_EQ(c.titleMessage, r.title);
        EXPECT_EQ(c.bitmap, r.bitmap);
        EXPECT_EQ(c.cellWidth, r.cellWidth);
        EXPECT_EQ(c.entries.size(), r.count);
        EXPECT_EQ(palette::stripWidth(c), r.stripWidth);
        EXPECT_EQ(palette::categoryOfCommand(r.command), &c);
        EXPECT_EQ(palette::categoryOfMask(r.mask), &c);
    }
}

TEST(SymbolTable, EntriesAreWellFormed) {
    size_t total = 0;
    uint32_t masks = 0;
    std::set<int32_t> bitmaps;
    for (const auto& c : palette::categories()) {
        SCOPED_TRACE(narrow(c.name));
        EXPECT_EQ(masks & c.mask, 0u);
        masks |= c.mask;
        EXPECT_TRUE(bitmaps.insert(c.bitmap).second);
        for (size_t i = 0; i < c.entries.size(); ++i) {
            const auto& e = c.entries[i];
            SCOPED_TRACE(narrow(e.text));
            EXPECT_EQ(e.image, static_cast<int32_t>(i)) << "cell and position differ";
            EXPECT_FALSE(e.text.empty());
            EXPECT_LE(e.text.size(), 99u);
            // Only the bits the text rules and tool tips know.
            EXPECT_EQ(e.flags & ~(0x1Fu | palette::flag::NoteMask), 0u);
        }
        total += c.entries.size();
    }
    EXPECT_EQ(masks, palette::AllCategoriesMask);
    EXPECT_EQ(total, 547u);
    // Bitmap 118 belongs to the page layout dialog, not to the palette.
    EXPECT_EQ(bitmaps, (std::set<int32_t>{107, 108, 109, 110, 111, 112, 113, 114, 115, 116, 117,
                                          119, 120, 121, 122, 123, 124}));
}

TEST(SymbolTable, LookupsRejectWhatIsNoCategoryOrEntry) {
    EXPECT_EQ(palette::categoryOfCommand(palette::AllCategoriesCommand), nullptr);
    EXPECT_EQ(palette::categoryOfCommand(41018), nullptr);
    EXPECT_EQ(palette::categoryOfCommand(0), nullptr);
    EXPECT_EQ(palette::categoryOfMask(0), nullptr);
    EXPECT_EQ(palette::categoryOfMask(0x3), nullptr);
    EXPECT_EQ(palette::categoryOfMask(0x20000), nullptr);
    EXPECT_EQ(palette::entryAt(41009, -1), nullptr);
    EXPECT_EQ(palette::entryAt(41009, 37), nullptr);
    EXPECT_EQ(palette::entryAt(41020, 0), nullptr);
    ASSERT_NE(palette::entryAt(41009, 36), nullptr);
    EXPECT_EQ(narrow(palette::entryAt(41009, 36)->text), "\\eth");
}

// Entries whose flags differ from their neighbours', checked by position:
// a shifted or dropped entry shows up here.
TEST(SymbolTable, SampleOfEntriesAndFlags) {
    struct Sample {
        uint32_t command;
        int32_t position;
        const char* text;
        uint32_t flags;
    };
    const Sample samples[] = {
        {41009, 0, "\\alpha", 0x1},         {41009, 14, "o", 0x1},
        {41009, 31, "\\digamma", 0x401},    {41010, 21, "\\varOmega", 0x1},
        {41011, 25, "\\|", 0x0},            {41011, 43, "\\Box", 0x201},
        {41012, 37, "\\Join", 0x201},       {41013, 35, "\\unrhd", 0x201},
        {41014, 11, "\\uparrow", 0x11},     {41014, 28, "\\Updownarrow", 0x11},
        {41014, 31, "\\leadsto", 0x201},    {41015, 5, "\\jmath", 0x1},
        {41015, 6, "\\hat", 0x2},           {41016, 7, "\\overleftarrow", 0x2},
        {41017, 0, "(", 0x10},              {41017, 13, "\\backslash", 0x11},
        {41017, 15, "\\|", 0x10},           {41017, 19, "\\llcorner", 0x411},
        {41092, 27, "\\Game", 0x401},       {41093, 65, "\\therefore", 0x401},
        {41094, 53, "\\nparallel", 0x401},  {41095, 22, "\\intercal", 0x401},
        {41096, 34, "\\nLeftrightarrow", 0x401},
        {41096, 35, "\\xrightarrow", 0x402}, {41096, 36, "\\xleftarrow", 0x402},
        {41096, 37, "\\xrightarrow", 0x406}, {41096, 38, "\\xleftarrow", 0x406},
        {41099, 4, "\\dotsi", 0x401},       {41099, 5, "\\Hat", 0x402},
        {41099, 23, "\\overset", 0x40A},    {41099, 25, "\\boxed", 0x402},
        {41019, 6, "\\}", 0x0},             {41019, 7, "\\S", 0x1},
        {41019, 26, "\\yen", 0x301},        {41081, 14, "?`", 0x0},
        {41081, 16, "\\'", 0x100},          {41081, 22, "\\v", 0x102},
        {41081, 25, "\\\"", 0x100},         {41081, 30, "\\c", 0x102},
    };
    for (const Sample& s : samples) {
        SCOPED_TRACE(std::string(s.text));
        const palette::SymbolEntry* e = palette::entryAt(s.command, s.position);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(narrow(e->text), s.text);
        EXPECT_EQ(e->flags, s.flags);
    }
}
