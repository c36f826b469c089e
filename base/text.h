// Text type of the portable core: UTF-16, the same code units on Linux and
// Windows (wchar_t is 32-bit on Linux, so the core never uses it).
#pragma once
#include <string>
#include <string_view>

using u16 = std::u16string;
using u16view = std::u16string_view;
