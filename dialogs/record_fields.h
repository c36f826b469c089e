// The dialogs keep their last choices as one tab-separated setting per
// dialog. These helpers split and join such records and read single fields
// with the fallback a missing field gets.
#pragma once
#include "base/text.h"

#include <vector>

namespace record_fields {

// "a\tb" -> {"a", "b"}; "" -> {""} (one empty field).
std::vector<u16> split(u16view record);
// A tab inside a field (pasted into an edit box) becomes a space, so the
// record still reads back as the same number of fields.
u16 join(const std::vector<u16>& fields);

// Field i, or fallback when the record has fewer fields.
u16 text(const std::vector<u16>& fields, size_t i, u16view fallback);
// A check box: fallback when missing, else on when the number is not 0.
bool flag(const std::vector<u16>& fields, size_t i, bool fallback);
// A number: fallback when missing, else the number as str::toInt reads it.
int number(const std::vector<u16>& fields, size_t i, int fallback);

inline u16 flagText(bool on) { return on ? u"1" : u"0"; }

} // namespace record_fields
