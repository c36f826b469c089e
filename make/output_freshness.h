// Whether the outputs of the dispatcher's lead-in steps are up to date, for
// its short make. A lead-in step may be skipped only when its output is
// newer than its input; cmd.exe has no dependable way to compare file times,
// so the plug-in compares them before the run and hands the answers to the
// dispatcher as variables.
#pragma once
#include "base/text.h"
#include "make/batch_env.h"

#include <vector>

namespace output_freshness {

struct Freshness {
    bool dvi = false; // the root's DVI is newer than the root file and than the edited file
    bool ps = false;  // the DVI is fresh and the PostScript file is newer than it
    bool pdf = false; // the DVI is fresh and the PDF file is newer than it
    friend bool operator==(const Freshness&, const Freshness&) = default;
};

// root and document are absolute paths (the same file when the document is
// its own root). The outputs are looked for where the dispatcher makes
// them: the root's folder, the root's name with ".dvi", ".ps" and ".pdf".
// Anything missing or unreadable counts as not fresh, and so do equal
// times: a step too many costs seconds, a stale preview misleads.
Freshness Check(u16view root, u16view document);

// "Vexa2_DviFresh", "Vexa2_PSFresh", "Vexa2_PDFFresh", each "1" or "0".
std::vector<batch_env::Variable> Variables(const Freshness& fresh);

} // namespace output_freshness
