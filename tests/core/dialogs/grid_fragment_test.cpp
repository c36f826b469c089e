#include "dialogs/grid_fragment.h"

#include "base/str.h"

#include <gtest/gtest.h>

#include <functional>

namespace {
std::string a(const u16& s) { return str::toUtf8(s); }
} // namespace

TEST(GridPieces, ColumnSpecAndRows) {
    using grid::ColumnAlign;
    struct Case {
        int rows, columns;
        ColumnAlign align;
        bool vertical, horizontal;
        const char* spec;
        const char* body;
    } cases[] = {
        {3, 3, ColumnAlign::Center, true, false, "{|c|c|c|}\r\n", " &  & \\\\\r\n &  & \\\\\r\n &  & \\\\\r\n"},
        {1, 2, ColumnAlign::Left, true, true, "{|l|l|}\r\n\\hline\r\n", " & \\\\\r\n\\hline\r\n"},
        {0, 3, ColumnAlign::Right, false, true, "{rrr}\r\n\\hline\r\n", ""},
        {2, 1, ColumnAlign::Center, false, false, "{c}\r\n", "\\\\\r\n\\\\\r\n"},
        {1, 0, ColumnAlign::Center, true, false, "{|}\r\n", "\\\\\r\n"},
        {-2, -4, ColumnAlign::Center, false, false, "{}\r\n", ""},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(std::to_string(tc.rows) + "x" + std::to_string(tc.columns));
        EXPECT_EQ(a(grid::columnSpec(tc.columns, tc.align, tc.vertical, tc.horizontal)), tc.spec);
        EXPECT_EQ(a(grid::emptyRows(tc.rows, tc.columns, tc.horizontal)), tc.body);
    }
}

TEST(GridPieces, SizeLimits) {
    struct Case {
        const char* rows;
        const char* columns;
        grid::SizeCheck result;
    } cases[] = {
        {"999", "999", grid::SizeCheck::Ok},
        {"1000", "3", grid::SizeCheck::TooManyRows},
        {"3", "1000", grid::SizeCheck::TooManyColumns},
        {"1000", "1000", grid::SizeCheck::TooManyRows},
        {"abc", "", grid::SizeCheck::Ok},
        {"99999999999", "3", grid::SizeCheck::TooManyRows},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(std::string(tc.rows) + "x" + tc.columns);
        EXPECT_EQ(grid::check(grid::readSize(str::fromUtf8(tc.rows), str::fromUtf8(tc.columns))), tc.result);
    }
}

TEST(ArrayFragment, EnvironmentsAndLines) {
    struct Case {
        const char* name;
        std::function<void(grid::ArrayChoices&)> change;
        const char* before;
        const char* after;
    } cases[] = {
        {"defaults", [](grid::ArrayChoices&) {}, "\\begin{array}{ccc}\r\n",
         " &  & \\\\\r\n &  & \\\\\r\n &  & \\\\\r\n\\end{array}"},
        {"array with both lines",
         [](grid::ArrayChoices& c) {
             c.horizontal = c.vertical = true;
             c.rows = u"1";
             c.columns = u"2";
         },
         "\\begin{array}{|c|c|}\r\n\\hline\r\n", " & \\\\\r\n\\hline\r\n\\end{array}"},
        {"matrix with the stale line boxes",
         [](grid::ArrayChoices& c) {
             c.environment = 2;
             c.horizontal = c.vertical = true;
             c.rows = u"2";
             c.columns = u"2";
         },
         "\\begin{pmatrix}\r\n", " & \\\\\r\n & \\\\\r\n\\end{pmatrix}"},
        {"smallmatrix, 0 rows",
         [](grid::ArrayChoices& c) {
             c.environment = 7;
             c.rows = u"0";
         },
         "\\begin{smallmatrix}\r\n", "\\end{smallmatrix}"},
        {"environment out of range is array",
         [](grid::ArrayChoices& c) {
             c.environment = 12;
             c.rows = u"1";
             c.columns = u"1";
         },
         "\\begin{array}{c}\r\n", "\\\\\r\n\\end{array}"},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.name);
        grid::ArrayChoices c;
        tc.change(c);
        Fragment f = grid::buildArray(c);
        EXPECT_EQ(a(f.before), tc.before);
        EXPECT_EQ(a(f.after), tc.after);
    }
}

TEST(TableFragment, CaptionLabelAndFloat) {
    const std::string rows3 = " &  & \\\\\r\n\\hline\r\n &  & \\\\\r\n\\hline\r\n &  & \\\\\r\n\\hline\r\n";
    struct Case {
        const char* name;
        std::function<void(grid::TableChoices&)> change;
        grid::TableTexts texts;
        std::string before;
        std::string after;
    } cases[] = {
        {"defaults with caption and label", [](grid::TableChoices&) {}, {u"T", u"tab:a"},
         "\\begin{table}[htbp]\r\n\\caption{T}\r\n\\label{tab:a}\r\n\\begin{center}\r\n"
         "\\begin{tabular}{|c|c|c|}\r\n\\hline\r\n",
         rows3 + "\\end{tabular}\r\n\\end{center}\r\n\\end{table}"},
        {"without caption", [](grid::TableChoices&) {}, {u"", u""}, "\\begin{table}[htbp]\r\n\\caption{",
         "}\r\n\\label{}\r\n\\begin{center}\r\n\\begin{tabular}{|c|c|c|}\r\n\\hline\r\n" + rows3 +
             "\\end{tabular}\r\n\\end{center}\r\n\\end{table}"},
        {"caption, empty label", [](grid::TableChoices&) {}, {u"T", u""},
         "\\begin{table}[htbp]\r\n\\caption{T}\r\n\\label{",
         "}\r\n\\begin{center}\r\n\\begin{tabular}{|c|c|c|}\r\n\\hline\r\n" + rows3 +
             "\\end{tabular}\r\n\\end{center}\r\n\\end{table}"},
        {"label off, starred, no placement, no alignment",
         [](grid::TableChoices& c) {
             c.label = false;
             c.starred = true;
             c.placement.clear();
             c.floatAlign = grid::FloatAlign::None;
             c.horizontal = c.vertical = false;
             c.rows = u"1";
             c.columns = u"1";
         },
         {u"T", u"unused"}, "\\begin{table*}\r\n\\caption{T}\r\n\\begin{tabular}{c}\r\n",
         "\\\\\r\n\\end{tabular}\r\n\\end{table*}"},
        {"no float: everything after the caret",
         [](grid::TableChoices& c) {
             c.floating = false;
             c.align = grid::ColumnAlign::Left;
             c.rows = u"0";
             c.columns = u"2";
         },
         {u"T", u"x"}, "", "\\begin{tabular}{|l|l|}\r\n\\hline\r\n\\end{tabular}"},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.name);
        grid::TableChoices c;
        tc.change(c);
        Fragment f = grid::buildTable(c, tc.texts);
        EXPECT_EQ(a(f.before), tc.before);
        EXPECT_EQ(a(f.after), tc.after);
    }
}

TEST(GridSettings, ThresholdsAndMissingFields) {
    // The table's first three fields are 8 characters: defaults.
    grid::TableChoices t = grid::parseTable(u"0\t1\thtbp");
    EXPECT_EQ(grid::composeTable(t), u"1\t0\thtbp\t1\t2\t2\t1\t1\t3\t3");
    // Long enough, partial: missing check boxes of the table read as on.
    t = grid::parseTable(u"0\t1\thtbp\t0\t1\t3");
    EXPECT_FALSE(t.floating);
    EXPECT_TRUE(t.starred);
    EXPECT_EQ(t.floatAlign, grid::FloatAlign::FlushLeft);
    EXPECT_EQ(t.align, grid::ColumnAlign::Right);
    EXPECT_TRUE(t.horizontal);
    EXPECT_TRUE(t.vertical);
    EXPECT_EQ(t.rows, u"3");

    EXPECT_EQ(grid::composeArray(grid::parseArray(u"1\t1\t1")), u"0\t2\t0\t0\t3\t3");
    // Missing check boxes of the array read as off.
    grid::ArrayChoices ar = grid::parseArray(u"3\t1\t12");
    EXPECT_EQ(ar.environment, 3);
    EXPECT_EQ(ar.align, grid::ColumnAlign::Left);
    EXPECT_TRUE(ar.horizontal);
    EXPECT_FALSE(ar.vertical);
    EXPECT_EQ(ar.columns, u"3");

    const char16_t* table = u"1\t1\t\t0\t3\t1\t0\t1\t10\t4";
    EXPECT_EQ(grid::composeTable(grid::parseTable(table)), table);
    const char16_t* array = u"5\t3\t1\t0\t12\t7";
    EXPECT_EQ(grid::composeArray(grid::parseArray(array)), array);
}

TEST(GridSettings, TabTypedIntoABoxDoesNotShiftTheFields) {
    grid::TableChoices t;
    t.placement = u"h\tt";
    t.rows = u"4";
    grid::TableChoices back = grid::parseTable(grid::composeTable(t));
    EXPECT_EQ(back.placement, u"h t");
    EXPECT_EQ(back.rows, u"4");
    EXPECT_EQ(back.columns, u"3");
}
