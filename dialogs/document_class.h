// The document class dialog's texts: the \documentclass line built from the
// chosen class and options, the reading of a class line already in the
// document, the stored records of choices and presets, and the skeleton a
// new document gets around its text.
#pragma once
#include "base/text.h"

#include <array>
#include <optional>
#include <vector>

namespace doc_class {

// The option groups, in the order the class line writes them and the
// stored record keeps them. A group's value is 0 (none) or the 1-based
// index of its word.
enum Group : int {
    FontSize, Paper, Landscape, Columns, Sides, TitlePage, Fleqn, Leqno, FinalDraft, Tate, Openbib, OpenSide,
    GroupCount
};
// The words of group g, in value order (value 1 is words(g)[0]).
std::vector<u16view> words(Group g);

struct ClassChoice {
    u16 name = u"article";
    std::array<int, GroupCount> options{};   // all 0: no option
    u16 other;                               // further options, as typed
};

// «\documentclass[11pt,a4paper,twocolumn]{article}»; no brackets without
// options.
u16 classLine(const ClassChoice& c);

// A class line found in the document. Only a line that begins with
// "\documentclass[" or "\documentclass{" counts: an indented one does not.
struct FoundLine {
    ClassChoice choice;
    // Characters of the command itself, up to its class's closing brace
    // (the whole line when the brace is missing): OK replaces only these,
    // so a comment or a command after it on the same line stays.
    size_t length = 0;
};
std::optional<FoundLine> parseClassLine(u16view line);

// The stored record: 14 tab-separated fields (class, the twelve groups,
// the other options). Missing or out-of-range fields read as none.
u16 compose(const ClassChoice& c);
ClassChoice parse(u16view record);

// A preset: its name, a tab, then the record.
struct Preset {
    u16 name;
    ClassChoice choice;
};
u16 composePreset(const Preset& p);
Preset parsePreset(u16view entry);
// Entries up to the first one with an empty name.
std::vector<Preset> presetList(const std::vector<u16>& entries);

// Adding is refused when the list already holds more than this many.
constexpr size_t MaxPresets = 200;
inline bool canAddPreset(size_t count) { return count <= MaxPresets; }

// The comment box: checked writes explained comment lines, indeterminate
// bare commented-out lines, clear nothing. Values are the box's states.
enum class Comments : int { None = 0, Explained = 1, Bare = 2 };
// Stored as "Comment": 2 explained, 1 bare, 0 none.
Comments commentsFromSetting(int stored);
int commentsToSetting(Comments c);

// The explanations of the commented lines (language library M2 ... M10).
struct Explanations {
    u16 title, author, date, maketitle, maketitleOff, pagestyle, pagestyleOff, thispagestyle, thispagestyleOff;
};

struct Skeleton {
    bool title = false;        // title lines with these texts
    u16 titleText;
    u16 authorText;
    bool noPageNumbers = false;
    Comments comments = Comments::Explained;
};
// The text that goes at the top of a new document.
u16 preamble(const ClassChoice& c, const Skeleton& s, const Explanations& m);
// The text appended at its end.
inline constexpr char16_t DocumentEnd[] = u"\r\n\\end{document}";

} // namespace doc_class
