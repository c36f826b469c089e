#include "support/dictionary_edit.h"

#include "base/platform.h"
#include "frame/message_ids.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"
#include "support/dictionary_records.h"
#include "support/easy_support_dictionary.h"
#include "support/environment_dictionary.h"
#include "support/paper_size_data.h"
#include "support/tex_dictionary.h"

namespace dict_edit {

namespace {

// The key of entry i, the one its dictionary sorts and looks up by.
u16 keyAt(const Dictionaries& d, Tab tab, int i) {
    switch (tab) {
    case Commands: {
        const CommandEntry* e = d.commands.entry(i);
        return e ? u16(record::field(e->text)) : u16();
    }
    default: return row(d, tab, i)[0];
    }
}

// The key the boxes give, cut as the stored entry would cut it.
u16 keyOf(Tab tab, const Fields& f) {
    if (tab == Commands) return u16(record::field(record::makeCommand(f[0], f[1], u"", -1).text));
    return f[0].substr(0, MaxFieldLength);
}

} // namespace

int columnCount(Tab tab) { return tab == Commands || tab == Environments ? 3 : 2; }

uint32_t tabTitle(Tab tab) {
    static constexpr uint32_t titles[TabCount] = {msgid::DicEditTabCommands, msgid::DicEditTabEnvironments,
                                                  msgid::DicEditTabEasySupport, msgid::DicEditTabPaperSizes};
    return titles[tab];
}

uint32_t columnTitle(Tab tab, int column) {
    static constexpr uint32_t titles[TabCount][MaxColumns] = {
        {msgid::DicEditColumnName, msgid::DicEditColumnArguments, msgid::DicEditColumnDescription},
        {msgid::DicEditColumnEnvironment, msgid::DicEditColumnEnvironmentArguments, msgid::DicEditColumnDescription},
        {msgid::DicEditColumnEasyKey, msgid::DicEditColumnEasyText, 0},
        {msgid::DicEditColumnPaperKey, msgid::DicEditColumnPaperValue, 0},
    };
    return column >= 0 && column < MaxColumns ? titles[tab][column] : 0;
}

int count(const Dictionaries& d, Tab tab) {
    switch (tab) {
    case Commands: return d.commands.count();
    case Environments: return d.environments.count();
    case EasySupport: return d.easySupport.count();
    case PaperSizes: return d.paperSizes.count();
    }
    return 0;
}

Fields row(const Dictionaries& d, Tab tab, int i) {
    Fields f;
    switch (tab) {
    case Commands:
        if (const CommandEntry* e = d.commands.entry(i))
            f = {u16(record::field(e->name)), u16(record::field(e->arguments)), u16(record::field(e->description))};
        break;
    case Environments:
        if (EnvironmentEntry e; d.environments.get(i, e))
            f = {u16(record::field(e.name)), u16(record::field(e.arguments)), u16(record::field(e.description))};
        break;
    case EasySupport:
        if (EasySupportEntry e; d.easySupport.get(i, e)) f = {u16(record::field(e.key)), u16(record::field(e.text)), u16()};
        break;
    case PaperSizes:
        if (PaperSizeEntry e; d.paperSizes.GetRecord(i, e))
            f = {u16(record::field(e.key)), u16(record::field(e.value)), u16()};
        break;
    }
    return f;
}

bool isDuplicate(const Dictionaries& d, Tab tab, const Fields& fields, int editing) {
    const u16 key = keyOf(tab, fields);
    int found = -1;
    switch (tab) {
    case Commands: found = d.commands.find(key); break;
    case Environments: found = d.environments.find(key); break;
    case EasySupport: found = d.easySupport.find(key); break;
    case PaperSizes: found = d.paperSizes.FindKey(key); break;
    }
    if (found < 0 || keyAt(d, tab, found) != key) return false;
    // Equal keys stand together; the search may land on the entry being
    // edited while another one with the same key sits beside it.
    int first = found, last = found;
    while (first > 0 && keyAt(d, tab, first - 1) == key) --first;
    while (last + 1 < count(d, tab) && keyAt(d, tab, last + 1) == key) ++last;
    return last - first + 1 > (editing >= first && editing <= last ? 1 : 0);
}

int positionOf(const Dictionaries& d, Tab tab, const Fields& fields) {
    const u16 key = keyOf(tab, fields);
    for (int i = 0, n = count(d, tab); i < n; ++i)
        if (keyAt(d, tab, i) == key) return i;
    return -1;
}

bool put(Dictionaries& d, Tab tab, int position, const Fields& f) {
    switch (tab) {
    case Commands: {
        // An edited command keeps where it was loaded from, so that its
        // history count follows it when the source is saved.
        const CommandEntry* old = position >= 0 ? d.commands.entry(position) : nullptr;
        return d.commands.put(position, record::makeCommand(f[0], f[1], f[2], old ? old->loadIndex : -1));
    }
    case Environments: return d.environments.put(position, record::makeEnvironment(f[0], f[1], f[2]));
    case EasySupport: return d.easySupport.put(position, record::makeEasySupport(f[0], f[1]));
    case PaperSizes: return d.paperSizes.put(position, record::makePaperSize(f[0], f[1]));
    }
    return false;
}

bool remove(Dictionaries& d, Tab tab, int position) {
    switch (tab) {
    case Commands: return d.commands.remove(position);
    case Environments: return d.environments.remove(position);
    case EasySupport: return d.easySupport.remove(position);
    case PaperSizes: return d.paperSizes.remove(position);
    }
    return false;
}

void sortAll(Dictionaries& d) {
    d.commands.sort();
    d.environments.sort();
    d.easySupport.sort();
    d.paperSizes.sort();
}

u16 deleteQuestion(u16view intro, u16view prefix, const std::vector<u16>& titles, const Fields& row) {
    u16 text(intro);
    text += u"\r\n";
    for (size_t c = 0; c < titles.size() && c < row.size(); ++c) {
        text += u"\r\n";
        text += prefix;
        text += titles[c];
        text += u"\r\n\t";
        text += row[c];
    }
    return text;
}

void clearHistory(CSetting& settings, u16view historyPath) {
    namespace keys = ini_keys::settings;
    for (const char16_t* key : {keys::SupportHistory, keys::SupportHistoryList, keys::SupportHistoryWords})
        settings.deleteKey(keys::Section, key);
    platform::deleteFile(historyPath);
}

} // namespace dict_edit
