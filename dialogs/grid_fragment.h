// The table and array dialogs' output: a tabular (optionally inside a
// table float) or an array / matrix environment with empty cells, and the
// stored forms of both dialogs' choices.
#pragma once
#include "dialogs/fragment.h"

namespace grid {

enum class ColumnAlign : int { Left = 1, Center = 2, Right = 3 };

// The rows and columns boxes, read as integers (0 when not a number).
struct Size {
    int rows = 0;
    int columns = 0;
};
Size readSize(u16view rowsText, u16view columnsText);

// More than 999 rows or 1000 columns and more are refused; the dialog
// shows the matching message and selects the offending box.
enum class SizeCheck { Ok, TooManyRows, TooManyColumns };
SizeCheck check(Size s);

// "{|c|c|}\r\n" and, with horizontal lines, "\hline\r\n".
u16 columnSpec(int columns, ColumnAlign align, bool vertical, bool horizontal);
// rows times (" & " between the columns, "\\\r\n", "\hline\r\n" with lines).
u16 emptyRows(int rows, int columns, bool horizontal);

// ---- array / matrix -------------------------------------------------------

// Index of the environment list: 0 array, 1 matrix ... 7 smallmatrix.
constexpr int environmentCount = 8;
u16view environmentName(int index);  // index outside 0..7 reads as "array"

struct ArrayChoices {
    int environment = 0;
    ColumnAlign align = ColumnAlign::Center;
    bool horizontal = false;
    bool vertical = false;
    u16 rows = u"3";
    u16 columns = u"3";
};
Fragment buildArray(const ArrayChoices& c);
// Records of 5 characters or fewer are replaced by the defaults.
ArrayChoices parseArray(u16view stored);
u16 composeArray(const ArrayChoices& c);

// ---- table ----------------------------------------------------------------

enum class FloatAlign : int { None = 0, FlushLeft = 1, Center = 2, FlushRight = 3 };

struct TableChoices {
    bool floating = true;  // inside table / table*
    bool starred = false;
    u16 placement = u"htbp";
    bool label = true;
    FloatAlign floatAlign = FloatAlign::Center;
    ColumnAlign align = ColumnAlign::Center;
    bool horizontal = true;
    bool vertical = true;
    u16 rows = u"3";
    u16 columns = u"3";
};
struct TableTexts {
    u16 caption;
    u16 label;
};
Fragment buildTable(const TableChoices& c, const TableTexts& t);
// Records of 12 characters or fewer are replaced by the defaults.
TableChoices parseTable(u16view stored);
u16 composeTable(const TableChoices& c);

} // namespace grid
