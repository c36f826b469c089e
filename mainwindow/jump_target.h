// Deciding where the jump-to-target command goes from the caret: the other
// end of an environment, an included file, a picture, a label or citation,
// or the root file. Only the decision lives here; pushing the return place,
// opening files and reaching labels are the shell's.
#pragma once
#include "frame/host_editor.h"

#include <optional>
#include <vector>

namespace jump_target {

struct Decision {
    enum class Kind {
        Nothing,             // no target: the shell pops the place it pushed
        MoveCaret,           // position, in this document
        OpenRootFile,        // the first line names the root file (name: the rest of that line)
        OpenInHost,          // name: a TeX file for the host to open
        OpenWithAssociation, // name: a file for its associated program (a picture)
        Label,               // name: a \ref, \pageref or \eqref target, for the outline scan
        Citation,            // name: a \cite key, for the outline scan
    };
    Kind kind = Kind::Nothing;
    Position position{};     // logical
    u16 name;
};

// Reads the caret's line (and the one after it) and, when needed, the whole
// document; caret, selection and scroll are left as they were.
Decision decide(HostEditor& editor);

// --- the parts, for the shell and for tests -----------------------------

// The command whose backslash is at or before column caret of text (the
// caret's line, optionally followed by a line break and the next line),
// with its braced argument. The search back stops at a space or tab.
struct Named {
    u16 command;           // without the backslash
    u16 argument;          // may be empty
    int32_t column = 0;    // of the backslash
};
std::optional<Named> commandAt(u16view text, int32_t caret);

// Every \begin{name} and \end{name} outside comments, in document order.
struct EnvironmentMark {
    bool begin = true;
    u16 name;
    Position at;           // of the backslash, logical
};
std::vector<EnvironmentMark> environmentMarks(u16view document);

// The mark paired with the \begin or \end at `at` among marks of the same
// name, or nothing when it is not a mark or has no partner.
std::optional<Position> partner(const std::vector<EnvironmentMark>& marks, Position at);
// The last \begin of any name strictly before caret.
std::optional<Position> lastBeginBefore(const std::vector<EnvironmentMark>& marks, Position caret);

// ".tex" appended when the file name part has no extension.
u16 withTexExtension(u16view name);

} // namespace jump_target
