// The pieces the highlight dialog builds patterns from: a pattern that
// matches an environment's begin and end, several patterns combined into
// one, and a text escaped so that the host matches it literally.
#pragma once
#include "base/text.h"

#include <span>

namespace highlight_pattern {

// «\\begin\{E\}|\\end\{E\}»: matches both ends of environment E.
u16 environment(u16view name);
// The patterns joined by "|"; empty patterns are left out.
u16 combine(std::span<const u16> patterns);
// A backslash before each of . | * ? + ( ) { } [ ] ^ $ \ . Escaping an
// escaped text escapes it again.
u16 escape(u16view text);

} // namespace highlight_pattern
