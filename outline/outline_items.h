// The records of an outline scan: the files read, the items found in them
// and the bibliography database entries. Shared by the outline window,
// reference and citation completion, the citation dialog and the jump
// command, which all select items by a mask of the kind bits.
#pragma once
#include "base/text.h"

#include <cstdint>
#include <vector>

namespace outline_kind {
constexpr int32_t Part = 0x1;
constexpr int32_t Chapter = 0x2;
constexpr int32_t Section = 0x4;
constexpr int32_t Subsection = 0x8;
constexpr int32_t Subsubsection = 0x10;
constexpr int32_t Paragraph = 0x20;
constexpr int32_t Subparagraph = 0x40;
constexpr int32_t PartLabel = 0x80;
constexpr int32_t ChapterLabel = 0x100;
constexpr int32_t SectionLabel = 0x200;
constexpr int32_t SubsectionLabel = 0x400;
constexpr int32_t SubsubsectionLabel = 0x800;
constexpr int32_t ParagraphLabel = 0x1000;
constexpr int32_t SubparagraphLabel = 0x2000;
constexpr int32_t EquationLabel = 0x4000;
constexpr int32_t FigureLabel = 0x8000;
constexpr int32_t TableLabel = 0x10000;
constexpr int32_t ItemLabel = 0x20000;
constexpr int32_t OtherLabel = 0x40000;
constexpr int32_t BibItem = 0x80000;
constexpr int32_t DatabaseEntry = 0x100000;
constexpr int32_t File = 0x200000;

constexpr int32_t Sectioning = 0x7F;       // part .. subparagraph
constexpr int32_t Labels = 0x7FF80;        // every label class
constexpr int32_t OutlineWindow = 0x2FFFFF; // all but database entries

// Index into the outline image strip: the first number of the pair for an
// item of another file (flag false), the second for one of the current
// document. Database entries have one image; unknown kinds show a file.
int32_t imageIndex(int32_t kind, bool flag);
} // namespace outline_kind

// File-field values that are not indices into the file list.
namespace outline_file {
constexpr int32_t Current = -1;   // the host's current document: jump directly
constexpr int32_t Database = -2;  // an entry of a .bib file
} // namespace outline_file

struct OutlineFile {
    u16 path;            // as opened, after the path rules
    int32_t depth = 0;   // 0 for the first file, n + 1 when included from depth n
    int32_t isCurrent = 0;
};

struct OutlineItem {
    u16 name;               // brace argument, or the file name for a file item
    u16 text;               // context, at most 264 characters
    int32_t sequence = 0;   // position in the item list
    int32_t kind = 0;       // one outline_kind bit
    int32_t column = 0;     // of the command's backslash; -1 for a database entry
    int32_t line = 0;       // from 0; -1 for a database entry
    int32_t file = 0;       // file-list index, or an outline_file value
    int32_t entry = -1;     // database entry index, -1 for other kinds
};

struct BibField {
    u16 name;
    u16 value;
    friend bool operator==(const BibField&, const BibField&) = default;
};

struct BibEntry {
    u16 type;                     // the word after "@", e.g. "article"
    u16 key;
    std::vector<BibField> fields; // in the order written
};
