#include "make/aux_report.h"

namespace aux_report {

std::vector<Row> rowsToShow(const aux_files::Found& found, int32_t mode) {
    std::vector<Row> rows;
    if (mode == 1)
        for (size_t i = 0; i < found.names.size(); ++i) rows.push_back({List::Names, i});
    if (mode == 1 || mode == 2)
        for (size_t i = 0; i < found.patterns.size(); ++i) rows.push_back({List::Patterns, i});
    return rows;
}

void blankUnchecked(aux_files::Found& found, const std::vector<Row>& rows, const std::vector<bool>& checked) {
    for (size_t r = 0; r < rows.size(); ++r) {
        if (r < checked.size() && checked[r]) continue;
        std::vector<u16>& list = rows[r].list == List::Names ? found.names : found.patterns;
        if (rows[r].index < list.size()) list[rows[r].index].clear();
    }
}

std::vector<u16> collect(const aux_files::Found& found, int32_t mode, bool ok) {
    std::vector<u16> out;
    auto add = [&](const std::vector<u16>& list) {
        for (const u16& p : list)
            if (!p.empty()) out.push_back(p);
    };
    if (ok || mode != 1) add(found.names);
    if (ok || mode == 0) add(found.patterns);
    return out;
}

u16 doubleNulList(const std::vector<u16>& paths) {
    u16 out;
    for (const u16& p : paths) {
        if (p.empty()) continue;
        out += p;
        out += u'\0';
    }
    if (!out.empty()) out += u'\0';
    return out;
}

} // namespace aux_report
