// Which paper the previewer shows for a typesetting run: read from the
// \documentclass line of the root file when the user wants that, else the
// paper picked in the toolbar's paper menu. The result becomes the batch
// variable "Vexa2_PSize" and may be empty.
#pragma once
#include "base/text.h"
#include "frame/host_editor.h"

#include <cstdint>

class CPaperSizeData;
class CSetting;

namespace paper_size {

// How far the class and option groups may reach from the character after
// "\documentclass".
constexpr size_t GroupReach = 280;
// Lines of the document in the editor that are searched.
constexpr int32_t EditorLines = 300;
// "BasicSettings" "Limit" counts in units of this many bytes.
constexpr uint64_t LimitUnit = 512;

// True when line (from its first character) is a \documentclass line that
// decides the paper; value then holds it, possibly empty: the class's
// paper without orientation when the options say nothing, else the
// options' paper with "L" or "P". False lets the search go on.
bool ParseDocumentClass(u16view line, const CPaperSizeData& list, u16& value);

// ParseDocumentClass on each line of text (split at CR LF, CR or LF) until
// one succeeds.
bool FromText(u16view text, const CPaperSizeData& list, u16& value);
// The same over lines 0-299 of the document in the editor.
bool FromEditor(HostEditor& editor, const CPaperSizeData& list, u16& value);
// The same over a file on disk, read as a LaTeX source (UTF-8, ANSI or
// UTF-16, see text_file::decodeSource); false without a
// value when it cannot be read or is larger than limitBytes (0: no limit).
bool FromFile(u16view path, uint64_t limitBytes, const CPaperSizeData& list, u16& value);

// The value for "Vexa2_PSize". root: the separately resolved root file,
// empty when the document in the editor is its own root.
u16 DeterminePaperSize(HostEditor& editor, u16view root, CSetting& settings, const CPaperSizeData& list);

} // namespace paper_size
