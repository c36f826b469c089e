#include "make/paper_menu_model.h"

#include "frame/message_ids.h"
#include "make/dviout_paper.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"

namespace paper_menu_model {

namespace keys = ini_keys::dviout;

namespace {
constexpr size_t AcceleratedItems = 36;

Item separator() { return {}; }
Item command(uint32_t id, uint32_t textId, bool checked = false, bool grayed = false) {
    Item i;
    i.id = id;
    i.textId = textId;
    i.checked = checked;
    i.grayed = grayed;
    return i;
}
} // namespace

u16 accelerator(size_t index) {
    if (index >= AcceleratedItems) return u"\t";
    char16_t key = index < 9 ? static_cast<char16_t>(u'1' + index)
                 : index == 9 ? u'0'
                              : static_cast<char16_t>(u'A' + (index - 10));
    return u16(u"(&") + key + u")\t";
}

std::vector<Item> build(const DVIOUTPaper& papers, int32_t paperSize, bool fromSource) {
    std::vector<Item> items;
    size_t listed = 0;
    auto paper = [&](int32_t number) {
        PaperEntry e;
        papers.GetPaper(number, e);
        Item i;
        i.id = static_cast<uint32_t>(number);
        i.text = accelerator(listed++) + e.text;
        i.checked = number == paperSize;
        items.push_back(i);
    };
    for (int32_t n = 1; n <= DVIOUTPaper::BuiltInCount; ++n) paper(n);
    items.push_back(separator());
    for (size_t u = 0; u < papers.entries().size(); ++u) paper(DVIOUTPaper::FirstUser + static_cast<int32_t>(u));
    if (!papers.entries().empty()) items.push_back(separator());

    bool user = papers.isUserNumber(paperSize);
    items.push_back(command(Add, msgid::MenuAdd));
    items.push_back(command(Edit, msgid::MenuEdit, false, !user));
    items.push_back(command(Delete, msgid::MenuDelete, false, !user));
    items.push_back(separator());
    items.push_back(command(None, msgid::MenuNone, paperSize == 0));
    items.push_back(command(FromSource, msgid::MenuFromSource, fromSource));
    items.push_back(separator());
    items.push_back(command(Help, msgid::MenuDropDownHelp));
    items.push_back(separator());
    items.push_back(command(Clear, msgid::MenuClearList, false, papers.entries().empty()));
    return items;
}

Next choose(uint32_t id, DVIOUTPaper& papers, CSetting& settings) {
    switch (id) {
    case Add: return Next::AddDialog;
    case Edit: return Next::EditDialog;
    case Delete: return Next::AskDelete;
    case Clear: return Next::AskClear;
    case Help: return Next::ShowHelp;
    case None: settings.writeInt(keys::Section, keys::PaperSize, 0); return Next::Done;
    case FromSource: {
        int32_t on = settings.readInt(keys::Section, keys::PaperSizeFromSource, 1);
        settings.writeInt(keys::Section, keys::PaperSizeFromSource, on != 0 ? 0 : 1);
        return Next::Done;
    }
    default: break;
    }
    auto number = static_cast<int32_t>(id);
    if (number >= 1 && number <= DVIOUTPaper::BuiltInCount) {
        settings.writeInt(keys::Section, keys::PaperSize, number);
        return Next::Done;
    }
    if (papers.isUserNumber(number)) {
        PaperEntry e;
        papers.GetPaper(number, e);
        papers.StoreEntry(e);
        selectFirstUserPaper(settings);
        return Next::Done;
    }
    return Next::Nothing;
}

void selectFirstUserPaper(CSetting& settings) {
    settings.writeInt(keys::Section, keys::PaperSize, DVIOUTPaper::FirstUser);
}

bool removeCurrent(DVIOUTPaper& papers, CSetting& settings) {
    if (!papers.RemoveEntry(settings.readInt(keys::Section, keys::PaperSize, 0))) return false;
    settings.writeInt(keys::Section, keys::PaperSize, 0);
    return true;
}

} // namespace paper_menu_model
