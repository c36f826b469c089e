// Any bytes as each of the four dictionary sources: parsing must neither
// crash nor break the records' invariants, and what is written back must
// parse to the same entries.
#include "support/dictionary_order.h"
#include "support/dictionary_source.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {
void check(bool ok) {
    if (!ok) std::abort();
}

template <size_t N> void checkField(const char16_t (&units)[N], size_t max) {
    check(record::field(units).size() <= max);
    for (size_t i = record::field(units).size(); i < N; ++i) check(units[i] == 0);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);

    std::vector<CommandEntry> commands;
    std::vector<SuffixEntry> suffixes;
    dict_source::parseCommands(bytes, commands, suffixes);
    check(suffixes.size() <= commands.size());
    for (size_t i = 0; i < commands.size(); ++i) {
        const CommandEntry& e = commands[i];
        check(e.loadIndex == static_cast<int32_t>(i) && e.name[0] != 0);
        checkField(e.name, 63);
        checkField(e.arguments, 63);
        checkField(e.description, 63);
        checkField(e.text, 126);
    }
    for (size_t i = 0; i < suffixes.size(); ++i) {
        check(suffixes[i].commandIndex >= 0 && static_cast<size_t>(suffixes[i].commandIndex) < commands.size());
        checkField(suffixes[i].letters, 63);
        if (i > 0)
            check(dict_order::compare(record::field(suffixes[i - 1].letters), record::field(suffixes[i].letters)) <= 0);
    }
    // Written back and read again: the same entries, less repeated keys.
    std::vector<CommandEntry> again;
    std::vector<SuffixEntry> againSuffixes;
    dict_source::parseCommands(dict_source::formatCommands(commands), again, againSuffixes);
    check(again.size() <= commands.size());

    auto environments = dict_source::parseEnvironments(bytes);
    for (const auto& e : environments) check(e.name[0] != 0 && e.arguments[0] != 0);
    check(dict_source::parseEnvironments(dict_source::formatEnvironments(environments)).size() <= environments.size());

    auto easy = dict_source::parseEasySupport(bytes);
    for (const auto& e : easy) check(e.key[0] != 0 && e.text[0] != 0);
    check(dict_source::parseEasySupport(dict_source::formatEasySupport(easy)).size() <= easy.size());

    auto papers = dict_source::parsePaperSizes(bytes);
    check(dict_source::parsePaperSizes(dict_source::formatPaperSizes(papers)).size() <= papers.size());
    return 0;
}
