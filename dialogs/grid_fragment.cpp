#include "dialogs/grid_fragment.h"

#include "base/str.h"
#include "dialogs/record_fields.h"

#include <algorithm>

namespace grid {
namespace {

const char16_t* const environments[environmentCount] = {
    u"array", u"matrix", u"pmatrix", u"bmatrix", u"Bmatrix", u"vmatrix", u"Vmatrix", u"smallmatrix",
};

ColumnAlign columnAlignFrom(int v) {
    switch (v) {
    case 1: return ColumnAlign::Left;
    case 3: return ColumnAlign::Right;
    default: return ColumnAlign::Center;
    }
}

FloatAlign floatAlignFrom(int v) {
    switch (v) {
    case 0: return FloatAlign::None;
    case 1: return FloatAlign::FlushLeft;
    case 3: return FloatAlign::FlushRight;
    default: return FloatAlign::Center;
    }
}

char16_t letter(ColumnAlign a) {
    switch (a) {
    case ColumnAlign::Left: return u'l';
    case ColumnAlign::Right: return u'r';
    case ColumnAlign::Center: break;
    }
    return u'c';
}

const char16_t* floatAlignName(FloatAlign a) {
    switch (a) {
    case FloatAlign::FlushLeft: return u"flushleft";
    case FloatAlign::Center: return u"center";
    case FloatAlign::FlushRight: return u"flushright";
    case FloatAlign::None: break;
    }
    return nullptr;
}

// Negative counts come only from a typed "-3"; they build nothing.
int atLeastZero(int v) { return std::max(v, 0); }

} // namespace

Size readSize(u16view rowsText, u16view columnsText) {
    return {str::toInt(rowsText), str::toInt(columnsText)};
}

SizeCheck check(Size s) {
    if (s.rows > 999) return SizeCheck::TooManyRows;
    if (s.columns >= 1000) return SizeCheck::TooManyColumns;
    return SizeCheck::Ok;
}

u16 columnSpec(int columns, ColumnAlign align, bool vertical, bool horizontal) {
    u16 out = u"{";
    for (int i = 0; i < atLeastZero(columns); ++i) {
        if (vertical) out += u'|';
        out += letter(align);
    }
    if (vertical) out += u'|';
    out += u"}\r\n";
    if (horizontal) out += u"\\hline\r\n";
    return out;
}

u16 emptyRows(int rows, int columns, bool horizontal) {
    u16 row;
    for (int i = 1; i < atLeastZero(columns); ++i) row += u" & ";
    row += u"\\\\\r\n";
    if (horizontal) row += u"\\hline\r\n";
    u16 out;
    out.reserve(row.size() * static_cast<size_t>(atLeastZero(rows)));
    for (int i = 0; i < atLeastZero(rows); ++i) out += row;
    return out;
}

u16view environmentName(int index) {
    if (index < 0 || index >= environmentCount) index = 0;
    return environments[index];
}

Fragment buildArray(const ArrayChoices& c) {
    Size size = readSize(c.rows, c.columns);
    u16 name(environmentName(c.environment));
    bool isArray = name == u"array";
    Fragment f;
    f.before = u"\\begin{" + name + u"}";
    // The line boxes are disabled (not cleared) while a matrix is chosen;
    // a value the user cannot see or change must not put \hline into it.
    bool horizontal = isArray && c.horizontal;
    if (isArray)
        f.before += columnSpec(size.columns, c.align, c.vertical, horizontal);
    else
        f.before += u"\r\n";
    f.after = emptyRows(size.rows, size.columns, horizontal) + u"\\end{" + name + u"}";
    return f;
}

ArrayChoices parseArray(u16view stored) {
    ArrayChoices c;
    if (stored.size() <= 5) return c;
    namespace rf = record_fields;
    auto fields = rf::split(stored);
    int env = rf::number(fields, 0, 0);
    c.environment = env >= 0 && env < environmentCount ? env : 0;
    c.align = columnAlignFrom(rf::number(fields, 1, 2));
    c.horizontal = rf::flag(fields, 2, false);
    c.vertical = rf::flag(fields, 3, false);
    c.rows = rf::text(fields, 4, u"3");
    c.columns = rf::text(fields, 5, u"3");
    return c;
}

u16 composeArray(const ArrayChoices& c) {
    using record_fields::flagText;
    return record_fields::join({str::fromInt(c.environment), str::fromInt(static_cast<int>(c.align)),
                                flagText(c.horizontal), flagText(c.vertical), c.rows, c.columns});
}

Fragment buildTable(const TableChoices& c, const TableTexts& t) {
    Size size = readSize(c.rows, c.columns);
    u16 tabular = u"\\begin{tabular}" + columnSpec(size.columns, c.align, c.vertical, c.horizontal);
    u16 rows = emptyRows(size.rows, size.columns, c.horizontal);
    Fragment f;
    if (!c.floating) {
        f.after = tabular + rows + u"\\end{tabular}";
        return f;
    }
    u16 name = c.starred ? u"table*" : u"table";
    int done = 0;
    f.before = u"\\begin{" + name + u"}";
    if (!c.placement.empty()) f.before += u"[" + c.placement + u"]";
    f.before += u"\r\n\\caption{";
    if (!t.caption.empty()) {
        f.before += t.caption + u"}\r\n";
        done = 1;
    } else {
        f.after += u"}\r\n";
    }
    if (c.label) {
        if (done > 0) {
            f.before += u"\\label{" + t.label;
            if (!t.label.empty()) {
                f.before += u"}\r\n";
                ++done;
            } else {
                f.after += u"}\r\n";
            }
        } else {
            f.after += u"\\label{" + t.label + u"}\r\n";
        }
    } else {
        ++done;
    }
    u16& head = done < 2 ? f.after : f.before;
    u16 end;
    if (const char16_t* align = floatAlignName(c.floatAlign)) {
        head += u"\\begin{" + u16(align) + u"}\r\n";
        end = u"\r\n\\end{" + u16(align) + u"}";
    }
    end += u"\r\n\\end{" + name + u"}";
    head += tabular;
    f.after += rows + u"\\end{tabular}" + end;
    return f;
}

TableChoices parseTable(u16view stored) {
    TableChoices c;
    if (stored.size() <= 12) return c;
    namespace rf = record_fields;
    auto fields = rf::split(stored);
    c.floating = rf::flag(fields, 0, true);
    c.starred = rf::number(fields, 1, 0) == 1;
    c.placement = rf::text(fields, 2, u"htbp");
    c.label = rf::flag(fields, 3, true);
    c.floatAlign = floatAlignFrom(rf::number(fields, 4, 2));
    c.align = columnAlignFrom(rf::number(fields, 5, 2));
    c.horizontal = rf::flag(fields, 6, true);
    c.vertical = rf::flag(fields, 7, true);
    c.rows = rf::text(fields, 8, u"3");
    c.columns = rf::text(fields, 9, u"3");
    return c;
}

u16 composeTable(const TableChoices& c) {
    using record_fields::flagText;
    return record_fields::join({flagText(c.floating), flagText(c.starred), c.placement, flagText(c.label),
                                str::fromInt(static_cast<int>(c.floatAlign)),
                                str::fromInt(static_cast<int>(c.align)), flagText(c.horizontal),
                                flagText(c.vertical), c.rows, c.columns});
}

} // namespace grid
