#include "make/make_settings_page.h"

#include "base/str.h"
#include "make/aux_files.h"
#include "make/command_file.h"
#include "settings/setting.h"
#include "settings/setting_keys.h"

#include <algorithm>

namespace make_page {

namespace keys = ini_keys::make;
using command_file::CallPrefix;
using command_file::HasPrefixNoCase;
using command_file::StartPrefix;

char16_t EntryChar(char16_t typed) {
    constexpr u16view refused = u" \"/:<>?\\|";
    if (refused.find(typed) != u16view::npos) return 0;
    if (typed >= u'a' && typed <= u'z') return char16_t(typed - u'a' + u'A');
    return typed;
}

AddOutcome AddEntry(std::vector<u16>& list, u16view entry) {
    if (entry.empty()) return AddOutcome::Empty;
    if (list.size() > MaxListEntries) return AddOutcome::TooMany;
    if (std::any_of(list.begin(), list.end(), [&](const u16& e) { return str::equalsNoCase(e, entry); }))
        return AddOutcome::Duplicate;
    if (entry.find(u'*', 1) != u16view::npos) return AddOutcome::StarInside;
    if (entry[0] == u'*' && (entry.size() < 2 || entry[1] != u'.')) return AddOutcome::StarWithoutDot;
    list.emplace_back(entry);
    return AddOutcome::Added;
}

std::optional<size_t> RemoveEntry(std::vector<u16>& list, std::optional<size_t> selected) {
    // The list never becomes empty: the deletion needs something to look for.
    if (!selected || *selected >= list.size() || list.size() < 2) return std::nullopt;
    list.erase(list.begin() + std::ptrdiff_t(*selected));
    return *selected > 0 ? *selected - 1 : 0;
}

namespace {

u16 togglePrefix(u16view program, u16view prefix) {
    if (HasPrefixNoCase(program, prefix))
        return u16(program.substr(prefix.size()));
    return u16(prefix) + u16(program);
}

bool endsWithBatNoCase(u16view path) {
    constexpr u16view bat = u".bat";
    if (path.size() < bat.size()) return false;
    u16view tail = path.substr(path.size() - bat.size());
    for (size_t i = 0; i < bat.size(); ++i) {
        char16_t c = tail[i];
        if (c >= u'A' && c <= u'Z') c = char16_t(c - u'A' + u'a');
        if (c != bat[i]) return false;
    }
    return true;
}

} // namespace

u16 ToggleCallPrefix(u16view program) { return togglePrefix(program, CallPrefix); }
u16 ToggleStartPrefix(u16view program) { return togglePrefix(program, StartPrefix); }

u16 ChosenProgram(u16view path, u16view current) {
    u16 quoted = u"\"" + u16(path) + u"\"";
    if (endsWithBatNoCase(path)) return u16(CallPrefix) + quoted;
    if (HasPrefixNoCase(current, StartPrefix)) return u16(StartPrefix) + quoted;
    return quoted;
}

size_t StepIndex(size_t tool, int set) { return std::min(tool, ToolCount - 1) + (set == 2 ? ToolCount : 0); }

CheckState ReportState(int32_t setting) {
    if (setting == 0) return CheckState::Unchecked;
    return setting == 2 ? CheckState::Indeterminate : CheckState::Checked;
}

int32_t ReportSetting(CheckState state) { return int32_t(state); }

std::vector<u16> SplitTabs(u16view text) {
    std::vector<u16> out;
    size_t start = 0;
    while (start <= text.size()) {
        size_t tab = std::min(text.find(u'\t', start), text.size());
        if (tab > start) out.emplace_back(text.substr(start, tab - start));
        start = tab + 1;
    }
    return out;
}

u16 JoinTabs(const std::vector<u16>& entries) {
    u16 out;
    for (const u16& e : entries) {
        if (!out.empty()) out += u'\t';
        out += e;
    }
    return out;
}

Values Defaults() {
    Values v;
    v.deleteList = SplitTabs(aux_files::DefaultDeleteList);
    return v;
}

Values Load(CSetting& s) {
    auto flag = [&](const char16_t* key, int32_t def) { return s.readInt(keys::Section, key, def) != 0; };
    Values v;
    v.psPdfDefault = flag(keys::PSPDFDefault, 0);
    v.shortMake = flag(keys::ShortMake, 1);
    v.autoClose = flag(keys::AutoClose, 1);
    int32_t autoDelete = s.readInt(keys::Section, keys::AutoDelete, 1);
    v.autoDelete = autoDelete == 0 || autoDelete == 2 ? autoDelete : 1;
    v.deleteUndo = flag(keys::DeleteUndo, 1);
    // Room for a full list of long entries: the page shows and writes back
    // everything that is stored, not only what the search reads.
    std::vector<char16_t> buffer((MaxListEntries + 1) * (MaxEntryLength + 1) + 2, u'\0');
    s.readString(keys::Section, keys::DeleteList, aux_files::DefaultDeleteList, buffer.data(), buffer.size());
    v.deleteList = SplitTabs(buffer.data());
    v.subDirectory = std::clamp(s.readInt(keys::Section, keys::SubDirectory, 0), 0, MaxSubDirectory);
    v.deleteReport = ReportState(s.readInt(keys::Section, keys::DeleteReport, 2));
    int32_t texEdit = s.readInt(keys::Section, keys::TeXEdit, 1);
    v.texEdit = texEdit == 0 || texEdit == 2 ? texEdit : 1;
    const char16_t* param = s.readString(keys::Section, keys::TeXEditParam, DefaultTeXEditParam);
    v.texEditParam = param ? param : DefaultTeXEditParam;
    return v;
}

bool Store(CSetting& s, const Values& v) {
    s.beginBatch();
    s.writeInt(keys::Section, keys::PSPDFDefault, v.psPdfDefault ? 1 : 0);
    s.writeInt(keys::Section, keys::ShortMake, v.shortMake ? 1 : 0);
    s.writeInt(keys::Section, keys::AutoClose, v.autoClose ? 1 : 0);
    s.writeInt(keys::Section, keys::AutoDelete, std::clamp(v.autoDelete, 0, 2));
    s.writeInt(keys::Section, keys::DeleteUndo, v.deleteUndo ? 1 : 0);
    s.writeString(keys::Section, keys::DeleteList, JoinTabs(v.deleteList).c_str());
    s.writeInt(keys::Section, keys::SubDirectory, std::clamp(v.subDirectory, 0, MaxSubDirectory));
    s.writeInt(keys::Section, keys::DeleteReport, ReportSetting(v.deleteReport));
    s.writeInt(keys::Section, keys::TeXEdit, std::clamp(v.texEdit, 0, 2));
    s.writeString(keys::Section, keys::TeXEditParam, v.texEditParam.c_str());
    return s.endBatch();
}

} // namespace make_page
