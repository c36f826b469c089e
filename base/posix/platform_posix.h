// Test hooks of the Linux implementation of the platform interface.
#pragma once

namespace platform::posix {
// The ANSI code page that ansiToUtf16 / utf16ToAnsi emulate (932 or 1252;
// default 1252), so native tests can cover Japanese files too.
void setAnsiCodePage(int codePage);
int ansiCodePage();
} // namespace platform::posix
