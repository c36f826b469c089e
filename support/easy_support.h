// Easy support: what the easy-support key does with the text just before
// the caret. It wraps a subscript or superscript in braces, expands a ":"
// abbreviation, or finds a reference or citation command after which the
// popup offers labels or keys. Everything here works through HostEditor;
// the popup window itself is the shell's.
#pragma once
#include "base/text.h"
#include "mainwindow/snippet.h"

#include <functional>
#include <optional>

class CEditorSupportDic;
class DictionaryStore;

namespace easy_support {

// How far back from the caret the action looks.
inline constexpr int32_t LookBehind = 1024;

// A reference or citation command just before the caret, and how a chosen
// label or key must be put in after it.
struct Trigger {
    bool refMode = false;   // labels (\ref and kin); false: keys (\cite, \nocite)
    bool inBraces = false;  // the "{" is already typed: no braces are added
    bool comma = false;     // keys are already typed: "," goes first
    friend bool operator==(const Trigger&, const Trigger&) = default;
};

// The command table: text from a backslash up to the caret. Rows are tried
// in order; a text that is none of them gives nothing.
std::optional<Trigger> matchCommand(u16view fromBackslash);

// The abbreviation's text for a ":" key, or nothing.
using AbbreviationLookup = std::function<std::optional<u16>(u16view key)>;
std::optional<u16> expansion(const CEditorSupportDic& dictionary, u16view key);
// Loads the abbreviations afresh from the store at every lookup, so that an
// edit in the dictionary editor counts at once. store may be null.
AbbreviationLookup storeLookup(DictionaryStore* store);

// What the text before the caret asks for.
struct Analysis {
    enum Kind {
        NotUsed,      // the key goes on to the editor
        Braces,       // "_" or "^" just typed
        Expand,       // a known ":" abbreviation: replace it with `text`
        OpenList,     // a reference or citation command: `trigger`
        UsedNothing,  // a backslash command of no interest: the key is eaten
    } kind = NotUsed;
    size_t replaceLength = 0;  // Expand: characters before the caret to replace
    u16 text;                  // Expand: the abbreviation's text
    Trigger trigger;           // OpenList
};
Analysis analyze(u16view beforeCaret, const AbbreviationLookup& lookup);

// The whole key action on the editor. openList runs the popup for a found
// command, with the caret back in place and drawing still stopped; it may
// be empty (then nothing is offered). Returns whether the key was used.
bool run(const snippet::Target& target, const AbbreviationLookup& lookup,
         const std::function<void(const Trigger&)>& openList);

// Puts a chosen label or key in at the caret: "{" unless in braces, ","
// when keys are already there, then the name; a label is closed with "}"
// and the caret after it, a key keeps "}" after the caret for a further
// key.
bool insertChoice(const snippet::Target& target, const Trigger& trigger, u16view name);

} // namespace easy_support
