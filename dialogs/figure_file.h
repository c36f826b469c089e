// The figure dialog's file box: how a chosen file is written into it and
// which names the JPEG-to-EPS conversion accepts.
#pragma once
#include "base/text.h"
#include "make/root_form.h"

namespace figure_file {

// The style radios share the values of ("Settings", "FigureType") with the
// root forms: 0 name only, 1 relative to the document, 2 full path.
// full as the file box shows it for the document at `document` (empty when
// it has no file yet). TeX reads '/' in both path styles, so '\' becomes '/'.
u16 boxText(u16view full, u16view document, root_form::Form style);

// At least 5 characters ending, without case, in ".jpg", ".jpeg", ".jpe"
// or ".jfif": the conversion button is enabled and the run may start.
bool convertible(u16view name);

// The file a box text names, for the conversion run and the test that the
// converted file exists: the box may hold a name relative to the document
// (two of its three styles do), which is taken against the document's
// folder rather than wherever the process happens to be. Without a
// document the text stands as it is, with '\' separators.
u16 fileOf(u16view box, u16view document);

// The converted file's name: the extension replaced by ".eps".
u16 epsName(u16view jpeg);

} // namespace figure_file
