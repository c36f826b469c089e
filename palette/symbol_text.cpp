#include "palette/symbol_text.h"
#include "frame/message_ids.h"

#include <array>

namespace palette {
namespace {

constexpr std::array<u16view, LastSizeCommand - FirstSizeCommand + 1> SizeModifiers{
    u"",       u"\\left",  u"\\right", u"\\big",   u"\\Big",   u"\\bigg",  u"\\Bigg",
    u"\\bigm", u"\\Bigm",  u"\\biggm", u"\\Biggm", u"\\bigl",  u"\\Bigl",  u"\\biggl",
    u"\\Biggl", u"\\bigr", u"\\Bigr",  u"\\biggr", u"\\Biggr",
};

// Tool tips by note class 0-4: ordinary entries, then delimiters.
constexpr std::array<uint32_t, 5> OrdinaryNotes{
    0, msgid::PaletteNoteClass1, msgid::PaletteNoteClass2, msgid::PaletteNoteClass3, msgid::PaletteNoteClass4};
constexpr std::array<uint32_t, 5> DelimiterNotes{
    msgid::PaletteNoteSize, msgid::PaletteNoteSizeClass1, msgid::PaletteNoteSizeClass2,
    msgid::PaletteNoteSizeClass3, msgid::PaletteNoteSizeClass4};

u16 joined(u16view a, u16view b) {
    u16 s(a);
    s += b;
    return s;
}

} // namespace

SymbolText symbolText(const SymbolEntry& entry) {
    const uint32_t f = entry.flags;
    if (f & flag::Space) return {joined(entry.text, u" "), u""};
    if (f & flag::Optional) return {joined(entry.text, u"["), (f & flag::Argument) ? u"]{}" : u"]"};
    if (f & flag::Argument) return {joined(entry.text, u"{"), (f & flag::SecondArgument) ? u"}{}" : u"}"};
    return {u16(entry.text), u""};
}

bool insertSymbol(const snippet::Target& target, const SymbolEntry& entry) {
    SymbolText t = symbolText(entry);
    return snippet::insertSnippet(target, t.open, t.close, t.close.empty() ? snippet::Replace : snippet::Wrap);
}

std::optional<u16view> sizeModifier(uint32_t command) {
    if (command < FirstSizeCommand || command > LastSizeCommand) return std::nullopt;
    return SizeModifiers[command - FirstSizeCommand];
}

bool insertSymbolSized(const snippet::Target& target, const SymbolEntry& entry, uint32_t command) {
    std::optional<u16view> modifier = sizeModifier(command);
    if (!modifier || !(entry.flags & flag::Delimiter)) return false;
    // A delimiter's text never has a closing part: only Space applies.
    return snippet::insertSnippet(target, joined(*modifier, symbolText(entry).open), u"", snippet::AtCaret);
}

uint32_t toolTipMessage(uint32_t flags) {
    const uint32_t noteClass = (flags & flag::NoteMask) >> 8;
    const auto& notes = (flags & flag::Delimiter) ? DelimiterNotes : OrdinaryNotes;
    return noteClass < notes.size() ? notes[noteClass] : notes[0];
}

} // namespace palette
