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

// The converted file's name: the extension replaced by ".eps".
u16 epsName(u16view jpeg);

} // namespace figure_file
