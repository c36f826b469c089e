// What a palette entry puts into the document: the text before and after
// the selection that its flags ask for, the size modifiers of delimiter
// entries, and the message of an entry's tool tip.
#pragma once
#include "mainwindow/snippet.h"
#include "palette/symbol_table.h"

#include <cstdint>
#include <optional>

namespace palette {

// The text before the selection (or caret) and the closing part after it.
struct SymbolText {
    u16 open;
    u16 close;
};

// The first rule that applies: Space -> text + " "; Optional -> text + "["
// closed by "]{}" with Argument, else "]"; Argument -> text + "{" closed by
// "}{}" with SecondArgument, else "}"; otherwise the text alone.
SymbolText symbolText(const SymbolEntry& entry);

// Puts the entry in at the caret: a text without closing part replaces
// the selection; one with a closing part wraps the selection, or with
// nothing selected leaves the caret between the parts. False when the
// document takes no insertion now.
bool insertSymbol(const snippet::Target& target, const SymbolEntry& entry);

// The menu commands of the size-modifier popup.
constexpr uint32_t FirstSizeCommand = 41056;   // no modifier
constexpr uint32_t LastSizeCommand = 41074;
// The modifier of a popup command ("" for 41056); nothing for any other
// command.
std::optional<u16view> sizeModifier(uint32_t command);

// A delimiter entry preceded by the modifier of command, at the caret.
// False, with nothing inserted, for an entry that is no delimiter, a
// command outside the popup's or a document that takes no insertion.
bool insertSymbolSized(const snippet::Target& target, const SymbolEntry& entry, uint32_t command);

// The language library message of an entry's tool tip, from its note class
// and whether it is a delimiter; 0 when it has none.
uint32_t toolTipMessage(uint32_t flags);

} // namespace palette
