// The support window without the window: the input box's text and
// selection, the selected candidate, the description and environment
// lines, the history slots and what every key does to them. The window
// shows this state and passes on the input box's changes and the keys; the
// insertion goes through the host editor.
#pragma once
#include "base/text.h"
#include "mainwindow/snippet.h"
#include "support/history_file.h"

#include <cstdint>
#include <vector>

class CSetting;
class CTeXDictionary;
class CTeXEDictionary;


namespace support_keys {
constexpr int32_t Escape = 27, Backspace = 8, Delete = 46;
constexpr int32_t PageUp = 33, PageDown = 34, Up = 38, Down = 40;
constexpr int32_t Backslash = 220, BackslashJis = 226;   // the two backslash keys
} // namespace support_keys

struct SupportOptions {
    int32_t insertKey = 13;              // Enter
    int32_t complementKey = 9;           // Tab
    int32_t complementInsertKey = 269;   // Shift+Enter
    int32_t insertCandidateKey = 288;    // Shift+Space
    int32_t previousCandidateKey = 265;  // Shift+Tab
    int32_t rSearchKey = 521;            // Ctrl+Tab
    int32_t historyKey = 544;            // Ctrl+Space
    bool historyListByCount = true;      // "HistoryList"
    bool wordsByCount = false;           // "HistoryWords"
    bool insertAfterComplete = true;     // "InsertAfterCompliment"
    int32_t afterHistory = 2;            // 0 stay, 1 hide the history, 2 insert
    int32_t showHistory = 1;             // 0 never, 1 as left, 2 always

    // As the window reads them when it is created.
    static SupportOptions read(CSetting& settings);
    // Without these five keys the window cannot be used.
    bool usable() const;
};

class SupportSession {
public:
    // None is owned; all outlive the session. historyPath: "Vexa2.hst".
    SupportSession(const CTeXDictionary& commands, const CTeXEDictionary& environments, CSetting& settings,
                   u16 historyPath, SupportOptions options);

    // --- shown by the window ---------------------------------------------
    const u16& input() const { return input_; }
    size_t selectionStart() const { return selStart_; }
    size_t selectionEnd() const { return selEnd_; }   // the box's caret
    int selected() const { return selected_; }        // dictionary position; -1 none
    const u16& description() const { return description_; }
    const u16& environmentLine() const { return environmentLine_; }
    int environmentCandidate() const { return environment_; }
    // 13 dictionary positions, -1 for an empty slot (its row stays as it was).
    const std::vector<int32_t>& historySlots() const { return slots_; }
    const std::vector<int32_t>& letterEntries() const { return words_; }
    bool historyVisible() const { return historyVisible_; }
    bool autoCompleted() const { return autoCompleted_; }
    // The text of a history slot's command ("" for an empty slot).
    u16 slotText(int slot) const;

    // --- events ----------------------------------------------------------
    // The window opens: the last string or last command, the history.
    void open();
    // The box's text changed by a typed character (after the box handled it).
    void typed(u16view text, size_t selStart, size_t selEnd, char16_t character);
    // The box's selection moved without typing.
    void setSelection(size_t selStart, size_t selEnd);
    // The box's text changed without a typed character (Delete, a paste
    // through the box's menu): taken as it is; nothing is looked up.
    void edited(u16view text, size_t selStart, size_t selEnd);

    enum class KeyResult {
        NotUsed,   // the key goes on to the focused control
        Used,
        Close,     // used; the window closes (after inserting, or not)
    };
    KeyResult handleKey(int32_t keyCode, const snippet::Target& target);
    // A double click on a history row: select and show, no insertion.
    void pickHistoryRow(int row);
    // The window closed (with or without inserting): the last command
    // shown is stored as "SupportHistory" for the next opening. Kept
    // until then, as a write per typed letter would cost more than the
    // rest of the typing.
    void closed();

private:
    void lookUp();
    void lookUpEnvironment();
    void select(int position);
    void show(bool fillInput);
    void moveBy(int delta);
    void recordUse();
    bool insert(const snippet::Target& target);
    bool inputIsSelected() const;
    KeyResult suffixSearch();
    KeyResult historySlot(int slot, const snippet::Target& target);

    const CTeXDictionary& commands_;       // not owned
    const CTeXEDictionary& environments_;  // not owned
    CSetting& settings_;                   // not owned
    u16 historyPath_;
    SupportOptions options_;

    u16 input_;
    size_t selStart_ = 0, selEnd_ = 0;
    int selected_ = -1;
    u16 description_;
    u16 environmentLine_;
    int environment_ = -1;
    int suffixPosition_ = -1;
    int positionToStore_ = -1;             // shown since opening; -1 nothing new
    bool movedSinceSuffixSearch_ = true;
    bool autoCompleted_ = false;
    bool historyVisible_ = false;
    bool recordsRead_ = false;             // the counts were read at this opening
    std::vector<HistoryRecord> records_;
    std::vector<int32_t> slots_;
    std::vector<int32_t> words_;
};
