// A help topic table with one topic per fault the help check must catch.
#pragma once
#include <cstdint>
namespace cfgid {
constexpr uint32_t HelpFile = 0x10005;
constexpr uint32_t HelpPresent = 0x30001;
constexpr uint32_t HelpMissingPage = 0x30002;
constexpr uint32_t HelpUnlistedPage = 0x30003;
constexpr uint32_t HelpMissingAnchor = 0x30004;
constexpr uint32_t HelpWithoutText = 0x30005;
constexpr uint32_t HelpAnchor = 0x30006;
constexpr uint32_t NotATopic = 0x20001;
} // namespace cfgid
