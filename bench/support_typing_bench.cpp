// The support window's work per typed letter, without the window: from
// the input box's new text to the new selection (the dictionary lookup,
// the letter entry of a first letter, the environment candidate and the
// stored position), and the history ranking of an opening, for the shipped
// dictionary and a generated one of 20 000 commands.
// Target (native): a typed letter under 50 us.
#include "bench/bench_timing.h"
#include "bench/generated_dictionary.h"
#include "settings/setting.h"
#include "support/dictionary_store.h"
#include "support/environment_dictionary.h"
#include "support/history_file.h"
#include "support/support_history.h"
#include "support/support_session.h"
#include "support/tex_dictionary.h"
#include "tests/support/temp_dir.h"

#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

using bench::perRun;

// What a user types: growing prefixes of commands, starting after the
// backslash.
std::vector<u16> typedTexts(const CTeXDictionary& d) {
    std::vector<u16> texts;
    std::mt19937 rng(3);
    for (int i = 0; i < 300; ++i) {
        const CommandEntry* e = d.entry(static_cast<int>(rng() % d.count()));
        u16view text = record::field(e->text);
        for (size_t n = 2; n <= text.size() && n <= 10; ++n) texts.push_back(u16(text.substr(0, n)));
    }
    return texts;
}

bool report(const char* label, const std::string& commands, const std::string& environments) {
    TempDir dir;
    if (!dir.ok() || !dir.write(u"Vexa2Command.txt", commands) || !dir.write(u"Vexa2Environment.txt", environments)) {
        std::fprintf(stderr, "cannot prepare a temporary folder\n");
        return false;
    }
    dir.write(u"Vexa2EasySupport.txt", "");
    dir.write(u"Vexa2PaperSize.txt", "");
    DictionaryStore store({dir.path(), u"Vexa2Command.txt", u"Vexa2Environment.txt", u"Vexa2EasySupport.txt",
                           u"Vexa2PaperSize.txt", dir.path()});
    CTeXDictionary dictionary(&store, nullptr);
    CTeXEDictionary environmentDictionary(&store);
    CSetting settings(dir.path());

    // Every command used a little, some a lot: the ranking has work to do.
    std::vector<HistoryRecord> records(static_cast<size_t>(dictionary.count()));
    std::mt19937 rng(5);
    for (int i = 0; i < dictionary.count(); ++i) records[i] = HistoryRecord{i, static_cast<int32_t>(rng() % 50)};
    history_file::write(store.historyPath(), records);

    SupportOptions options;
    options.historyListByCount = true;
    options.wordsByCount = true;   // letter entries ranked from the counts
    SupportSession session(dictionary, environmentDictionary, settings, store.historyPath(), options);
    session.open();

    std::vector<u16> texts = typedTexts(dictionary);
    size_t sink = 0;
    double letter = perRun(
        [&](int i) {
            const u16& t = texts[static_cast<size_t>(i) % texts.size()];
            session.typed(t, t.size(), t.size(), t.back());
            sink += static_cast<size_t>(session.selected() + 1);
        },
        std::chrono::milliseconds(800), 2000);
    double opening = perRun(
        [&](int) {
            session.open();
            sink += session.historySlots().size();
        },
        std::chrono::milliseconds(800), 20);
    double ranking = perRun(
        [&](int) {
            sink += support_history::mostUsed(records).size();
            sink += support_history::mostUsedPerLetter(dictionary, records).size();
        },
        std::chrono::milliseconds(800), 20);

    std::printf("%-10s %8d %12.2f %12.1f %12.1f\n", label, dictionary.count(), letter, opening, ranking);
    if (dictionary.count() >= 20000)
        std::printf("  target: a typed letter %.2f us (< 50 us: %s)\n", letter, letter < 50 ? "met" : "NOT met");
    return sink > 0;
}

} // namespace

int main() {
    std::printf("%-10s %8s %12s %12s %12s\n", "dictionary", "commands", "letter us", "opening us", "ranking us");
    std::string shipped, shippedEnvironments;
    u16 folder = bench::shippedFolder();
    if (folder.empty() || !platform::readFile(folder + u"\\Vexa2Command.txt", shipped) ||
        !platform::readFile(folder + u"\\Vexa2Environment.txt", shippedEnvironments)) {
        std::fprintf(stderr, "shipped dictionary sources not found (run from inside the source tree)\n");
        return 1;
    }
    bool ok = report("shipped", shipped, shippedEnvironments);
    ok = report("generated", bench::generatedSource(20000), shippedEnvironments) && ok;
    std::printf("letter: typed text to new selection, description, environment candidate and stored position;\n"
                "opening: history file read and ranked, last command shown; ranking: the two rankings alone.\n");
    return ok ? 0 : 1;
}
