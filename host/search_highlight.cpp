#include "host/search_highlight.h"

bool SearchHighlight::setPattern(const std::wstring& pattern) {
    clear();
    if (pattern.empty()) return true;
    try {
        regex_.emplace(pattern, std::regex::ECMAScript);
    } catch (const std::exception&) {
        regex_.reset();
        return false;
    }
    pattern_ = pattern;
    return true;
}

std::vector<std::pair<int, int>> SearchHighlight::matches(const std::wstring& line) const {
    std::vector<std::pair<int, int>> out;
    if (!regex_) return out;
    try {
        for (std::wsregex_iterator it(line.begin(), line.end(), *regex_), end; it != end; ++it) {
            int from = static_cast<int>(it->position(0));
            int len = static_cast<int>(it->length(0));
            if (len > 0) out.emplace_back(from, from + len);
        }
    } catch (const std::exception&) {
        // Too complex for this line: show what was found so far.
    }
    return out;
}
