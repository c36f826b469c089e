// The search-highlight pattern of an editor window: an ECMAScript regular
// expression matched line by line. A pattern that does not compile, or a
// match that gives up, simply highlights nothing.
#pragma once
#include <optional>
#include <regex>
#include <string>
#include <utility>
#include <vector>

class SearchHighlight {
public:
    // Empty clears. False when the pattern does not compile (then cleared).
    bool setPattern(const std::wstring& pattern);
    void clear() { regex_.reset(); pattern_.clear(); }
    bool active() const { return regex_.has_value(); }
    const std::wstring& pattern() const { return pattern_; }

    // Column ranges [first, second) of the non-empty matches in one line.
    std::vector<std::pair<int, int>> matches(const std::wstring& line) const;

private:
    std::wstring pattern_;
    std::optional<std::wregex> regex_;
};
