#include "mainwindow/user_menu.h"

#include "mainwindow/toolbar_table.h"

#include <algorithm>
#include <array>
#include <string>

namespace user_menu {
namespace {

// Reads an optional sign and the digits that follow, as far as they go; a
// huge number saturates rather than wrapping into a valid index.
int64_t leadingNumber(u16view text) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
    int64_t value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        value = std::min<int64_t>(value * 10 + (text[i] - u'0'), 1'000'000'000);
    return negative ? -value : value;
}

bool parseItem(u16view raw, Item& item, std::vector<bool>& seen) {
    size_t dots = 0;
    while (dots < raw.size() && raw[dots] == u'.') ++dots;
    u16view body = raw.substr(dots);
    if (body.empty()) return false;
    item.depth = static_cast<int32_t>(std::min<size_t>(dots, MaxDepth));
    if (body[0] == u'*') {
        item.kind = Item::Kind::Title;
        item.title = u16(body.substr(1));
        return true;
    }
    item.kind = Item::Kind::Command;
    int64_t n = leadingNumber(body);
    if (n < 0) {
        item.command = Separator;
        return true;
    }
    if (n >= toolbar_table::ButtonCount || toolbar_table::commandAt(static_cast<int32_t>(n)) == 0) return false;
    if (seen[static_cast<size_t>(n)]) return false;
    seen[static_cast<size_t>(n)] = true;
    item.command = static_cast<int32_t>(n);
    return true;
}

} // namespace

std::vector<Item> parse(u16view definition) {
    std::vector<Item> items;
    std::vector<bool> seen(toolbar_table::ButtonCount, false);
    size_t start = 0;
    while (start <= definition.size()) {
        size_t tab = definition.find(u'\t', start);
        if (tab == u16view::npos) tab = definition.size();
        Item item;
        if (parseItem(definition.substr(start, tab - start), item, seen)) items.push_back(std::move(item));
        start = tab + 1;
    }
    return items;
}

u16 menuTitle(const std::vector<Item>& items) {
    if (items.empty() || !items[0].isTitle()) return u16();
    return items[0].title.substr(0, TitleLimit);
}

std::vector<Placement> layout(const std::vector<Item>& items) {
    std::vector<Placement> out;
    // open[d]: the title holding the items of depth d + 1; -1 is the pop-up.
    // A title keeps its slot until another of its depth replaces it.
    constexpr int32_t None = -2;
    std::array<int32_t, MaxDepth + 1> open;
    open.fill(None);
    open[0] = -1;
    for (size_t i = 1; i < items.size(); ++i) {
        int32_t d = items[i].depth;
        if (d < 1 || open[static_cast<size_t>(d - 1)] == None) continue;
        out.push_back(Placement{i, open[static_cast<size_t>(d - 1)]});
        if (items[i].isTitle()) open[static_cast<size_t>(d)] = static_cast<int32_t>(i);
    }
    return out;
}

std::vector<int32_t> addableCommands(const std::vector<Item>& items, bool (*hasText)(uint32_t command)) {
    std::vector<bool> used(toolbar_table::ButtonCount, false);
    for (const Item& i : items)
        if (!i.isTitle() && i.command >= 0 && i.command < toolbar_table::ButtonCount) used[static_cast<size_t>(i.command)] = true;
    std::vector<int32_t> out;
    for (int32_t n = 0; n < toolbar_table::ButtonCount; ++n) {
        uint32_t id = toolbar_table::commandAt(n);
        if (used[static_cast<size_t>(n)] || id == 0 || id == OwnCommand || !hasText(id)) continue;
        out.push_back(n);
    }
    return out;
}

u16 toDefinition(const std::vector<Item>& items) {
    u16 out;
    for (size_t i = 0; i < items.size(); ++i) {
        if (i) out += u'\t';
        out.append(static_cast<size_t>(std::clamp(items[i].depth, 0, MaxDepth)), u'.');
        if (items[i].isTitle()) {
            out += u'*';
            // A tab inside a title would split it into two items.
            for (char16_t c : items[i].title) out += c == u'\t' ? u' ' : c;
        } else {
            std::string n = std::to_string(items[i].command < 0 ? Separator : items[i].command);
            out.append(n.begin(), n.end());
        }
    }
    return out;
}

} // namespace user_menu
