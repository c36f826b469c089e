#include "highlight/highlight_menu_model.h"

#include "frame/message_ids.h"
#include "highlight/highlight_presets.h"
#include "highlight/highlight_store.h"
#include "make/paper_menu_model.h"

namespace highlight_menu_model {
namespace {

Item separator() { return {}; }
Item command(uint32_t id, uint32_t textId, bool grayed = false) {
    Item i;
    i.id = id;
    i.textId = textId;
    i.grayed = grayed;
    return i;
}

} // namespace

std::vector<Item> build(const std::vector<u16>& presetNames, const Highlight& store, int32_t activeItem) {
    std::vector<Item> items;
    size_t listed = 0;
    auto entry = [&](int32_t id, const u16& name) {
        Item i;
        i.id = static_cast<uint32_t>(id);
        // Past the accelerated ones the bare name, without the tab.
        i.text = listed < AcceleratedItems ? paper_menu_model::accelerator(listed) + name : name;
        ++listed;
        i.checked = id == activeItem;
        items.push_back(i);
    };
    for (const highlight_presets::Preset& p : highlight_presets::all()) {
        size_t index = static_cast<size_t>(p.id - highlight_presets::FirstId);
        entry(p.id, index < presetNames.size() ? presetNames[index] : u16());
    }
    items.push_back(separator());
    const std::vector<HighlightItem>& user = store.items();
    for (size_t u = 0; u < user.size(); ++u) entry(Highlight::FirstUser + static_cast<int32_t>(u), user[u].name);
    if (!user.empty()) items.push_back(separator());

    bool userActive = store.isUserId(activeItem);
    items.push_back(command(New, msgid::MenuNew));
    items.push_back(command(Edit, msgid::MenuEdit, !userActive));
    items.push_back(command(Delete, msgid::MenuDelete, !userActive));
    items.push_back(separator());
    items.push_back(command(Help, msgid::MenuDropDownHelp));
    items.push_back(separator());
    items.push_back(command(Clear, msgid::MenuClearList, user.empty()));
    return items;
}

Choice classify(uint32_t id) {
    switch (id) {
    case 0: return Choice::Nothing;
    case New: return Choice::New;
    case Edit: return Choice::Edit;
    case Delete: return Choice::Delete;
    case Help: return Choice::Help;
    case Clear: return Choice::Clear;
    default: break;
    }
    if (id < static_cast<uint32_t>(Highlight::FirstUser)) return Choice::Preset;
    if (id < New) return Choice::UserItem;
    return Choice::Nothing;
}

} // namespace highlight_menu_model
