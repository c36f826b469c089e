// The label prefix settings as the label dialog edits them: which box
// holds which class, how long a prefix may be, and the all-or-nothing
// save of the eleven prefixes.
#pragma once
#include "outline/label_class.h"

#include <array>
#include <cstddef>

class CSetting;

namespace label_config {

// Characters an edit box accepts.
constexpr size_t MaxPrefixLength = 20;

// The classes of the dialog's eleven boxes, top to bottom: the sectioning
// classes in document order, then the floats and items.
constexpr std::array<LabelPrefixes::Class, LabelPrefixes::Count> BoxClasses{
    LabelPrefixes::Part,      LabelPrefixes::Chapter,      LabelPrefixes::Section,  LabelPrefixes::Subsection,
    LabelPrefixes::Subsubsection, LabelPrefixes::Paragraph, LabelPrefixes::Subparagraph,
    LabelPrefixes::Equation,  LabelPrefixes::Figure,       LabelPrefixes::Table,    LabelPrefixes::Item};

// The prefixes as stored (defaults for missing keys).
LabelPrefixes read(CSetting& settings);
// True when no prefix is empty: only then may they be saved.
bool complete(const LabelPrefixes& prefixes);
// Writes all eleven in one batch. An incomplete set is refused and nothing
// is written; false too when the settings file could not be saved.
bool write(CSetting& settings, const LabelPrefixes& prefixes);

} // namespace label_config
