// Dictionary costs: parsing the shipped command source, loading commands
// from the cache, and the two lookups of the support window, for the
// shipped dictionary and for a generated one of 20 000 commands.
// Targets (native): a cache load of 20 000 commands under 5 ms, a lookup
// under 1 us.
#include "base/platform.h"
#include "base/str.h"
#include "support/dictionary_order.h"
#include "support/dictionary_source.h"
#include "support/dictionary_store.h"
#include "support/tex_dictionary.h"
#include "tests/support/temp_dir.h"
#include "bench/bench_timing.h"
#include "bench/generated_dictionary.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

using bench::perRun;
using bench::generatedSource;
using bench::shippedFolder;

// Typed keys: prefixes of real commands and a few that match nothing.
std::vector<u16> keysFor(const CTeXDictionary& d) {
    std::vector<u16> keys;
    std::mt19937 rng(11);
    for (int i = 0; i < 1000; ++i) {
        CommandEntry e;
        d.get(static_cast<int>(rng() % d.count()), e);
        u16view text = record::field(e.text);
        keys.push_back(u16(text.substr(0, 2 + rng() % (text.size() > 2 ? text.size() - 1 : 1))));
    }
    keys.push_back(u"\\");
    keys.push_back(u"\\zzzzzzzz");
    keys.push_back(u"\\\u4e00");
    return keys;
}

bool report(const char* label, const std::string& source) {
    TempDir dir;
    if (!dir.ok() || !dir.write(u"Vexa2Command.txt", source)) {
        std::fprintf(stderr, "cannot prepare a temporary folder\n");
        return false;
    }
    for (const char16_t* other : {u"Vexa2Environment.txt", u"Vexa2EasySupport.txt", u"Vexa2PaperSize.txt"})
        dir.write(other, "");
    DictionaryStore store({dir.path(), u"Vexa2Command.txt", u"Vexa2Environment.txt", u"Vexa2EasySupport.txt",
                           u"Vexa2PaperSize.txt", dir.path()});
    if (!store.usable()) {
        std::fprintf(stderr, "cache not written\n");
        return false;
    }
    size_t sink = 0;
    double parse = perRun(
        [&](int) {
            std::vector<CommandEntry> c;
            std::vector<SuffixEntry> s;
            dict_source::parseCommands(source, c, s);
            sink += c.size();
        },
        std::chrono::milliseconds(800), 3);
    double load = perRun(
        [&](int) {
            std::vector<CommandEntry> c;
            std::vector<SuffixEntry> s;
            store.loadCommands(c, s);
            sink += c.size();
        },
        std::chrono::milliseconds(800), 3);
    double construct = perRun([&](int) { sink += CTeXDictionary(&store, nullptr).count(); },
                              std::chrono::milliseconds(800), 3);

    CTeXDictionary d(&store, nullptr);
    std::vector<u16> keys = keysFor(d);
    double find = perRun([&](int i) { sink += static_cast<size_t>(d.find(keys[i % keys.size()]) + 1); },
                         std::chrono::milliseconds(500), 1000);
    double suffix = perRun([&](int i) { sink += static_cast<size_t>(d.findSuffix(keys[i % keys.size()]) + 1); },
                           std::chrono::milliseconds(500), 1000);

    std::printf("%-10s %8d %10.2f %10.2f %12.2f %9.3f %11.3f\n", label, d.count(), parse / 1000, load / 1000,
                construct / 1000, find, suffix);
    if (d.count() >= 20000)
        std::printf("  targets: cache load %.2f ms (< 5 ms: %s), lookups %.3f / %.3f us (< 1 us: %s)\n", load / 1000,
                    load < 5000 ? "met" : "NOT met", find, suffix, find < 1 && suffix < 1 ? "met" : "NOT met");
    return sink > 0;
}
} // namespace

int main() {
    std::printf("%-10s %8s %10s %10s %12s %9s %11s\n", "dictionary", "commands", "parse ms", "load ms",
                "construct ms", "find us", "suffix us");
    std::string shipped;
    u16 folder = shippedFolder();
    if (folder.empty() || !platform::readFile(folder + u"\\Vexa2Command.txt", shipped)) {
        std::fprintf(stderr, "shipped command source not found (run from inside the source tree)\n");
        return 1;
    }
    bool ok = report("shipped", shipped);
    ok = report("generated", generatedSource(20000)) && ok;
    std::printf("load: commands and suffix index read from the cache; construct: load plus bucket tables.\n");
    return ok ? 0 : 1;
}
