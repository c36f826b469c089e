#include "support/support_session.h"

#include "settings/setting.h"
#include "settings/setting_keys.h"
#include "support/command_insertion.h"
#include "support/dictionary_order.h"
#include "support/environment_dictionary.h"
#include "support/history_positions.h"
#include "support/support_history.h"
#include "support/tex_dictionary.h"

#include <algorithm>
#include <array>

namespace {
namespace sk = ini_keys::support;
namespace hk = ini_keys::settings;

// The box holds at most 512 characters; the last string is read with room
// for a little more, as the box would cut it anyway.
constexpr size_t InputLimit = 512;

bool asciiLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
} // namespace

SupportOptions SupportOptions::read(CSetting& s) {
    SupportOptions o;
    s.beginBatch();
    o.insertKey = s.readInt(sk::Section, sk::InsertKey, o.insertKey);
    o.complementKey = s.readInt(sk::Section, sk::ComplementKey, o.complementKey);
    o.complementInsertKey = s.readInt(sk::Section, sk::ComplementInsertKey, o.complementInsertKey);
    o.insertCandidateKey = s.readInt(sk::Section, sk::InsertCandidateKey, o.insertCandidateKey);
    o.previousCandidateKey = s.readInt(sk::Section, sk::PreviousCandidateKey, o.previousCandidateKey);
    o.rSearchKey = s.readInt(sk::Section, sk::RSearchKey, o.rSearchKey);
    o.historyKey = s.readInt(sk::Section, sk::HistoryKey, o.historyKey);
    o.historyListByCount = s.readInt(sk::Section, sk::HistoryList, 1) != 0;
    o.wordsByCount = s.readInt(sk::Section, sk::HistoryWords, 0) != 0;
    o.insertAfterComplete = s.readInt(sk::Section, sk::InsertAfterCompliment, 1) != 0;
    o.afterHistory = s.readInt(sk::Section, sk::AfterHistory, o.afterHistory);
    o.showHistory = s.readInt(sk::Section, sk::ShowHistory, o.showHistory);
    s.endBatch();
    return o;
}

bool SupportOptions::usable() const {
    return insertKey && complementKey && complementInsertKey && insertCandidateKey && previousCandidateKey;
}

SupportSession::SupportSession(const CTeXDictionary& commands, const CTeXEDictionary& environments,
                               CSetting& settings, u16 historyPath, SupportOptions options)
    : commands_(commands), environments_(environments), settings_(settings), historyPath_(std::move(historyPath)),
      options_(options), slots_(history_positions::ListSlots, -1), words_(history_positions::WordSlots, -1) {}

u16 SupportSession::slotText(int slot) const {
    if (slot < 0 || slot >= static_cast<int>(slots_.size())) return u16();
    const CommandEntry* e = commands_.entry(slots_[slot]);
    return e ? u16(record::field(e->text)) : u16();
}

void SupportSession::open() {
    positionToStore_ = -1;
    autoCompleted_ = false;
    movedSinceSuffixSearch_ = true;
    suffixPosition_ = -1;
    std::array<char16_t, InputLimit + 2> last{};
    settings_.readString(hk::Section, hk::SupportLastString, u"", last.data(), last.size());
    u16view lastString(last.data());
    if (lastString.size() > 1 && lastString[0] == u'\\') {
        input_ = u16(lastString);
        lookUp();
    } else {
        input_.assign(1, u'\\');
        select(settings_.readInt(hk::Section, hk::SupportHistory, 0));
        show(true);
    }
    // The user types over everything after the backslash.
    selStart_ = std::min<size_t>(1, input_.size());
    selEnd_ = input_.size();

    recordsRead_ = options_.historyListByCount || options_.wordsByCount;
    records_.clear();
    if (recordsRead_) records_ = history_file::read(historyPath_, static_cast<size_t>(commands_.count()));
    slots_ = options_.historyListByCount ? support_history::mostUsed(records_) : history_positions::readList(settings_);
    words_ = options_.wordsByCount ? support_history::mostUsedPerLetter(commands_, records_)
                                   : history_positions::readWords(settings_);

    if (options_.showHistory == 2 || options_.showHistory == 0) {
        historyVisible_ = options_.showHistory == 2;
        settings_.writeInt(hk::Section, hk::SupportHistoryStatus, historyVisible_ ? 1 : 0);
    } else {
        historyVisible_ = settings_.readInt(hk::Section, hk::SupportHistoryStatus, 1) != 0;
    }
    lookUpEnvironment();
}

void SupportSession::typed(u16view text, size_t selStart, size_t selEnd, char16_t character) {
    input_ = u16(text.substr(0, InputLimit));
    setSelection(selStart, selEnd);
    autoCompleted_ = false;
    lookUp();
    if (input_.size() == 2 && asciiLetter(character) && input_[0] == u'\\' && asciiLetter(input_[1])) {
        int b = dict_order::bucketOf(input_[1]);
        if (const CommandEntry* e = commands_.entry(words_[b])) {
            input_ = u16(record::field(e->text));
            selStart_ = std::min<size_t>(2, input_.size());
            selEnd_ = input_.size();
            autoCompleted_ = true;
        }
    }
    movedSinceSuffixSearch_ = true;
}

void SupportSession::setSelection(size_t selStart, size_t selEnd) {
    selEnd_ = std::min(selEnd, input_.size());
    selStart_ = std::min(selStart, selEnd_);
}

void SupportSession::edited(u16view text, size_t selStart, size_t selEnd) {
    input_ = u16(text.substr(0, InputLimit));
    setSelection(selStart, selEnd);
}

void SupportSession::lookUp() {
    size_t slash = input_.find(u'\\');
    if (slash != u16::npos) {
        int found = commands_.find(u16view(input_).substr(slash));
        if (found >= 0) {
            select(found);
            show(false);
        }
    }
    lookUpEnvironment();
}

void SupportSession::lookUpEnvironment() {
    EnvironmentEntry e;
    int found = environments_.find(input_);
    if (!environments_.get(found, e)) {
        environment_ = -1;
        return;
    }
    environment_ = found;
    environmentLine_ = u16(record::field(e.name));
    environmentLine_ += u" ";
    environmentLine_ += record::field(e.arguments);
}

void SupportSession::select(int position) {
    if (commands_.count() == 0) {
        selected_ = -1;
        return;
    }
    selected_ = std::clamp(position, 0, commands_.count() - 1);
}

void SupportSession::show(bool fillInput) {
    const CommandEntry* e = commands_.entry(selected_);
    if (!e) return;
    positionToStore_ = selected_;
    u16view name = record::field(e->name);
    if (fillInput && !name.empty()) {
        input_ = u16(record::field(e->text));
        selStart_ = selEnd_ = name.size();
    }
    description_ = u16(record::field(e->description));
    movedSinceSuffixSearch_ = true;
}

void SupportSession::moveBy(int delta) {
    select(selected_ < 0 ? 0 : selected_ + delta);
    show(true);
    lookUpEnvironment();
}

bool SupportSession::inputIsSelected() const {
    const CommandEntry* e = commands_.entry(selected_);
    return e && input_ == record::field(e->text);
}

void SupportSession::recordUse() {
    if (selected_ < 0) return;
    if (recordsRead_ && selected_ < static_cast<int>(records_.size()) && records_[selected_].useCount != -1) {
        ++records_[selected_].useCount;
        history_file::write(historyPath_, records_);
    }
    if (!options_.historyListByCount) {
        support_history::moveToFront(slots_, selected_);
        history_positions::writeList(settings_, slots_);
    }
    if (!options_.wordsByCount) {
        const CommandEntry* e = commands_.entry(selected_);
        if (e && e->text[0] == u'\\' && asciiLetter(e->text[1])) {
            words_[dict_order::bucketOf(e->text[1])] = selected_;
            history_positions::writeWords(settings_, words_);
        }
    }
}

bool SupportSession::insert(const snippet::Target& target) {
    settings_.writeString(hk::Section, hk::SupportLastString, input_.c_str());
    return command_insertion::insert(target, input_, selEnd_);
}

SupportSession::KeyResult SupportSession::suffixSearch() {
    int position = -1;
    if (!movedSinceSuffixSearch_ && suffixPosition_ >= 0) {
        if (suffixPosition_ + 1 < commands_.suffixCount()) position = suffixPosition_ + 1;
    } else {
        position = commands_.findSuffix(input_);
        suffixPosition_ = -1;
    }
    if (position >= 0) {
        select(commands_.suffixCommand(position));
        show(true);
        suffixPosition_ = position;
    }
    movedSinceSuffixSearch_ = false;
    return KeyResult::Used;
}

SupportSession::KeyResult SupportSession::historySlot(int slot, const snippet::Target& target) {
    if (slot < 0 || slot >= static_cast<int>(slots_.size()) || !commands_.entry(slots_[slot])) return KeyResult::NotUsed;
    select(slots_[slot]);
    show(true);
    if (options_.afterHistory == 1) historyVisible_ = false;
    if (options_.afterHistory != 2) return KeyResult::Used;
    recordUse();
    insert(target);
    return KeyResult::Close;
}

void SupportSession::closed() {
    if (positionToStore_ >= 0) settings_.writeInt(hk::Section, hk::SupportHistory, positionToStore_);
    positionToStore_ = -1;
}

void SupportSession::pickHistoryRow(int row) {
    if (row < 0 || row >= static_cast<int>(slots_.size()) || !commands_.entry(slots_[row])) return;
    select(slots_[row]);
    show(true);
}

SupportSession::KeyResult SupportSession::handleKey(int32_t key, const snippet::Target& target) {
    namespace k = support_keys;
    if (key == k::Escape) return KeyResult::Close;
    if (key == options_.complementInsertKey) {
        show(true);
        recordUse();
        insert(target);
        return KeyResult::Close;
    }
    if (key == options_.insertKey) {
        // The box already reads the command: keep its caret where the user
        // put it.
        if (inputIsSelected()) {
            show(false);
            recordUse();
        } else if (autoCompleted_) {
            lookUp();
            recordUse();
        }
        insert(target);
        return KeyResult::Close;
    }
    if (key == options_.complementKey) {
        if (inputIsSelected()) select(selected_ + 1);
        show(true);
        lookUpEnvironment();
        return KeyResult::Used;
    }
    if (key == options_.previousCandidateKey) {
        moveBy(-1);
        return KeyResult::Used;
    }
    if (key == options_.rSearchKey) return suffixSearch();
    if (key == options_.insertCandidateKey) {
        EnvironmentEntry e;
        if (!environments_.get(environment_, e)) return KeyResult::NotUsed;
        u16view name = record::field(e.name);
        input_ = u16(name);
        input_ += record::field(e.arguments);
        selStart_ = selEnd_ = name.size();
        lookUp();
        if (!options_.insertAfterComplete) return KeyResult::Used;
        if (inputIsSelected()) {
            show(false);
            recordUse();
        }
        insert(target);
        return KeyResult::Close;
    }
    if (key == options_.historyKey) {
        historyVisible_ = !historyVisible_;
        settings_.writeInt(hk::Section, hk::SupportHistoryStatus, historyVisible_ ? 1 : 0);
        return KeyResult::Used;
    }
    if (key == k::Backslash || key == k::BackslashJis) {
        bool fresh = input_ == u"\\" ||
                     (!input_.empty() && input_[0] == u'\\' && selStart_ == 1 && selEnd_ > selStart_);
        if (!fresh) return KeyResult::NotUsed;
        snippet::insertSnippet(target, u"\\\\", u"", snippet::Replace);
        return KeyResult::Close;
    }
    if (int slot = support_history::slotOfKey(key); slot >= 0) return historySlot(slot, target);
    if (key == k::Backspace || key == k::Delete) return input_.size() <= 1 ? KeyResult::Close : KeyResult::NotUsed;
    switch (key) {
    case k::PageUp: moveBy(-5); return KeyResult::Used;
    case k::PageDown: moveBy(5); return KeyResult::Used;
    case k::Up: moveBy(-1); return KeyResult::Used;
    case k::Down: moveBy(1); return KeyResult::Used;
    default: return KeyResult::NotUsed;
    }
}
