// The four dictionary sources: tab-separated UTF-16LE text without a
// byte-order mark, read into records and written back from them.
#pragma once
#include "base/text.h"
#include "support/dictionary_records.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace dict_source {

// Larger sources count as unreadable (they would not be a dictionary).
inline constexpr uint64_t MaxSourceBytes = 0xFFFFFF;

// Parsing never sorts: the sources are kept in dictionary order by saving.
// Commands also give their suffix entries, sorted by letters (ties by
// command position).
void parseCommands(std::string_view bytes, std::vector<CommandEntry>& commands, std::vector<SuffixEntry>& suffixes);
std::vector<EnvironmentEntry> parseEnvironments(std::string_view bytes);
std::vector<EasySupportEntry> parseEasySupport(std::string_view bytes);
std::vector<PaperSizeEntry> parsePaperSizes(std::string_view bytes);

// The suffix index of a command list, as parsing builds it.
std::vector<SuffixEntry> buildSuffixes(std::span<const CommandEntry> commands);

// One line per entry, CR LF ended; an entry whose key equals the key of
// the entry before it is left out.
std::string formatCommands(std::span<const CommandEntry> commands);
std::string formatEnvironments(std::span<const EnvironmentEntry> entries);
std::string formatEasySupport(std::span<const EasySupportEntry> entries);
std::string formatPaperSizes(std::span<const PaperSizeEntry> entries);

} // namespace dict_source
