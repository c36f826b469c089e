// Importing a file into the command dictionary: the first check marks and
// the merge of every row (with the save), for files of new commands up to
// ten times a big dictionary. The merge sorts the dictionary once, not once
// per row.
// Target (native): 50 000 rows into 5 000 commands, checks under 50 ms and
// merge and save under 1 s.
#include "bench/bench_timing.h"
#include "bench/generated_dictionary.h"
#include "support/dictionary_import.h"
#include "support/dictionary_store.h"
#include "support/tex_dictionary.h"
#include "tests/support/temp_dir.h"

#include <chrono>
#include <cstdio>

namespace {

bool report(int dictionarySize, int rowCount) {
    TempDir dir;
    if (!dir.ok() || !dir.write(u"cmd.txt", bench::generatedSource(dictionarySize))) {
        std::fprintf(stderr, "cannot prepare a temporary folder\n");
        return false;
    }
    for (const char16_t* other : {u"env.txt", u"easy.txt", u"paper.txt"}) dir.write(other, "");
    DictionaryStore store({dir.path(), u"cmd.txt", u"env.txt", u"easy.txt", u"paper.txt", dir.path()});
    // Names the dictionary lacks: every row is new and is appended.
    std::vector<CommandEntry> rows = dict_import::commandRows(bench::generatedSource(rowCount));
    for (CommandEntry& e : rows) {
        u16 name(record::field(e.name));
        e = record::makeCommand(name + u"Imp", record::field(e.arguments), record::field(e.description), -1);
    }
    size_t sink = 0;
    double checks = bench::perRun(
        [&](int) {
            CTeXDictionary d(&store, nullptr);
            sink += dict_import::initialChecks(d, rows).size();
        },
        std::chrono::milliseconds(500), 3);
    using Clock = std::chrono::steady_clock;
    auto start = Clock::now();
    int stored = 0;
    {
        CTeXDictionary d(&store, nullptr);
        stored = dict_import::merge(d, rows, std::vector<bool>(rows.size(), true));
        sink += d.count();
    }   // the save is timed too: it is part of the import
    std::chrono::duration<double, std::milli> merge = Clock::now() - start;
    std::printf("%5d rows into %5d commands: checks %8.2f ms, merge and save %8.1f ms (%d stored) [%zu]\n", rowCount,
                dictionarySize, checks / 1000.0, merge.count(), stored, sink % 10);
    return true;
}

} // namespace

int main() {
    for (auto [size, rows] : {std::pair{2000, 200}, std::pair{2000, 2000}, std::pair{5000, 50000}})
        if (!report(size, rows)) return 1;
    return 0;
}
