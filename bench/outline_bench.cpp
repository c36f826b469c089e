// Outline costs: the scanner over real LaTeX documents and over a generated
// 20 MB thesis (text already in memory, file by file), the .bib reader over
// a generated 10 000-entry database, and a whole outline of the thesis with
// every file, the database included, read from disk.
// Targets (native): scanner >= 300 MB/s, .bib reader >= 200 MB/s, whole
// thesis < 150 ms.
//
//   outline_bench [--corpus FOLDER] [--inputs FOLDER] [--counts]
// --corpus: a folder of .tex files (searched recursively), the real-world
//   input; without it that row is not measured.
// --counts: also print, per corpus file, "count NAME SECTIONING LABELS"
//   (what the scanner finds in the file alone), for scripts/bench-outline.sh
//   to compare with another parser.
// --inputs: where the generated thesis and database are written and kept
//   (so other parsers can read the same bytes); default a temporary folder.
// Times are processor time of this process; MB/s is of the fastest run (the
// mean beside it), MB = 2^20 bytes. Lines starting with "rate" are read by
// scripts/bench-outline.sh.
#include "base/str.h"
#include "base/text_file.h"
#include "outline/bibtex.h"
#include "outline/outline_scan.h"
#include "outline/search.h"
#include "tests/support/memory_editor.h"
#include "tests/support/temp_dir.h"
#include "bench/outline_inputs.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Processor time of op per run in microseconds: the fastest run and the
// mean, over at least budget and minRuns runs. Processor time rather than
// wall time, and the fastest run, so that builds sharing the machine skew
// the figures as little as they can (on Linux clock() counts this
// process's user and system time).
struct Timing {
    double best = 0;
    double mean = 0;
};

template <typename Op> Timing perRun(Op&& op, std::chrono::milliseconds budget, int minRuns) {
    const std::clock_t start = std::clock();
    const auto ticks = static_cast<std::clock_t>(budget.count() * (CLOCKS_PER_SEC / 1000));
    int runs = 0;
    std::clock_t best = 0;
    for (std::clock_t now = start; runs < minRuns || now - start < ticks; ++runs) {
        const std::clock_t before = now;
        op(runs);
        now = std::clock();
        if (runs == 0 || now - before < best) best = now - before;
    }
    const double perTick = 1e6 / CLOCKS_PER_SEC;
    return {static_cast<double>(best) * perTick, static_cast<double>(std::clock() - start) * perTick / runs};
}

struct Source {
    std::string name;
    size_t bytes = 0;
    u16 text; // decoded as the plug-in decodes a file
};

// Serves decoded texts by path; a path it does not hold is a missing file.
class MemoryFiles final : public FileSource {
public:
    std::map<u16, u16> texts;
    bool read(u16view path, uint32_t, u16& text) override {
        auto it = texts.find(u16(path));
        if (it == texts.end()) {
            text.clear();
            return false;
        }
        text = it->second;
        return true;
    }
};

u16 fromPath(const fs::path& p) {
    const std::u8string s = p.u8string();
    return str::fromUtf8(std::string(s.begin(), s.end()));
}

bool readBytes(const fs::path& p, std::string& bytes) {
    std::ifstream in(p, std::ios::binary);
    if (!in) return false;
    std::ostringstream all;
    all << in.rdbuf();
    bytes = all.str();
    return !in.bad();
}

std::vector<Source> readCorpus(const fs::path& folder) {
    std::vector<Source> out;
    std::error_code ec;
    std::vector<fs::path> paths;
    for (fs::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (it->is_regular_file(ec) && it->path().extension() == ".tex") paths.push_back(it->path());
    std::sort(paths.begin(), paths.end());
    for (const fs::path& p : paths) {
        std::string bytes;
        if (!readBytes(p, bytes) || bytes.empty()) continue;
        out.push_back({p.filename().string(), bytes.size(), text_file::decodeSource(bytes)});
    }
    return out;
}

double megabytes(size_t bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }

size_t totalBytes(const std::vector<Source>& sources) {
    size_t n = 0;
    for (const Source& s : sources) n += s.bytes;
    return n;
}

// Scans each text on its own (nothing it includes is found), as the other
// parsers read each file on its own. Returns the items found per pass.
size_t scanEach(const std::vector<Source>& sources) {
    MemoryFiles none;
    outline_scan::Lists lists;
    for (const Source& s : sources) {
        outline_scan::Scope scope{u"C:\\bench\\other.tex", u"C:\\bench", OutlineSettings{}, {}};
        outline_scan::Scanner scanner(scope, none, nullptr, lists);
        scanner.scanText(s.text, u"C:\\bench\\" + str::fromUtf8(s.name), 0);
    }
    return lists.items.size();
}

// The sectioning commands and labels found in each text on its own.
void printCounts(const std::vector<Source>& sources) {
    MemoryFiles none;
    for (const Source& s : sources) {
        outline_scan::Lists lists;
        outline_scan::Scope scope{u"C:\\bench\\other.tex", u"C:\\bench", OutlineSettings{}, {}};
        outline_scan::Scanner scanner(scope, none, nullptr, lists);
        scanner.scanText(s.text, u"C:\\bench\\" + str::fromUtf8(s.name), 0);
        size_t sectioning = 0, labels = 0;
        for (const OutlineItem& item : lists.items) {
            if (item.kind & outline_kind::Sectioning) ++sectioning;
            if (item.kind & outline_kind::Labels) ++labels;
        }
        std::printf("count %s %zu %zu\n", s.name.c_str(), sectioning, labels);
    }
}

void printRate(const char* input, const char* parser, size_t bytes, Timing t) {
    std::printf("rate %-8s %-10s %8.2f %10.1f %10.1f\n", input, parser, megabytes(bytes),
                megabytes(bytes) / (t.best / 1e6), megabytes(bytes) / (t.mean / 1e6));
}

struct Args {
    fs::path corpus;
    fs::path inputs;
    bool counts = false;
};

bool parseArgs(int argc, char** argv, Args& a) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--corpus") == 0 && i + 1 < argc) a.corpus = argv[++i];
        else if (std::strcmp(argv[i], "--inputs") == 0 && i + 1 < argc) a.inputs = argv[++i];
        else if (std::strcmp(argv[i], "--counts") == 0) a.counts = true;
        else return false;
    }
    return true;
}

bool writeInputs(const fs::path& folder, const outline_inputs::Thesis& t) {
    std::error_code ec;
    for (const auto& f : t.files) {
        fs::path p = folder / fs::path(f.name);
        fs::create_directories(p.parent_path(), ec);
        std::ofstream out(p, std::ios::binary | std::ios::trunc);
        out.write(f.text.data(), static_cast<std::streamsize>(f.text.size()));
        if (!out) return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    Args args;
    if (!parseArgs(argc, argv, args)) {
        std::fprintf(stderr, "usage: outline_bench [--corpus FOLDER] [--inputs FOLDER] [--counts]\n");
        return 2;
    }

    // --- inputs ---------------------------------------------------------------
    const outline_inputs::Thesis thesis = outline_inputs::makeThesis();
    TempDir temp;
    fs::path inputs = args.inputs;
    if (inputs.empty()) {
        if (!temp.ok()) {
            std::fprintf(stderr, "cannot make a temporary folder\n");
            return 1;
        }
        inputs = fs::path(str::toUtf8(temp.path()));
    }
    if (!writeInputs(inputs, thesis)) {
        std::fprintf(stderr, "cannot write the generated inputs into %s\n", inputs.string().c_str());
        return 1;
    }
    std::vector<Source> tex;
    Source bib;
    for (const auto& f : thesis.files) {
        Source s{f.name, f.text.size(), text_file::decodeSource(f.text)};
        if (f.name == thesis.bibName) bib = std::move(s);
        else tex.push_back(std::move(s));
    }
    const std::vector<Source> corpus = args.corpus.empty() ? std::vector<Source>{} : readCorpus(args.corpus);

    std::printf("inputs in %s\n", inputs.string().c_str());
    std::printf("thesis: %zu .tex files, %.2f MB, %zu labels, %zu sectioning commands\n", tex.size(),
                megabytes(totalBytes(tex)), thesis.counts.labels, thesis.counts.sectioning);
    std::printf("bib:    %zu entries, %.2f MB\n", thesis.counts.bibEntries, megabytes(bib.bytes));
    if (corpus.empty()) std::printf("corpus: none (give --corpus FOLDER of .tex files)\n");
    else std::printf("corpus: %zu .tex files, %.2f MB\n", corpus.size(), megabytes(totalBytes(corpus)));
    if (args.counts) printCounts(corpus);

    // --- rates over text in memory ------------------------------------------
    std::printf("\n     %-8s %-10s %8s %10s %10s\n", "input", "parser", "MB", "MB/s", "mean MB/s");
    size_t sink = 0;
    if (!corpus.empty()) {
        Timing us = perRun([&](int) { sink += scanEach(corpus); }, std::chrono::milliseconds(1000), 5);
        printRate("corpus", "scanner", totalBytes(corpus), us);
    }
    const size_t thesisItems = scanEach(tex);
    const size_t expectedItems = tex.size() + thesis.counts.labels + thesis.counts.sectioning;
    Timing thesisUs = perRun([&](int) { sink += scanEach(tex); }, std::chrono::milliseconds(2000), 5);
    printRate("thesis", "scanner", totalBytes(tex), thesisUs);

    MemoryFiles bibFile;
    bibFile.texts[u"C:\\bench\\refs.bib"] = bib.text;
    size_t entries = 0;
    Timing bibUs = perRun(
        [&](int) {
            CBibTeX reader(u"C:\\bench\\refs", 0, bibFile);
            entries = reader.entries().size();
        },
        std::chrono::milliseconds(2000), 5);
    printRate("bib", "CBibTeX", bib.bytes, bibUs);

    // --- the whole thesis from disk -------------------------------------------
    // The editor shows a note beside the thesis, so that the root, every
    // chapter and the database come from disk rather than from the editor.
    MemoryEditor editor(u"notes");
    editor.setPath(fromPath(inputs / "notes.tex"));
    size_t wholeItems = 0, wholeFiles = 0, wholeEntries = 0;
    auto outline = [&](int) {
        CSearch search(editor, OutlineSettings{}, str::fromUtf8(thesis.rootName));
        wholeItems = search.items().size();
        wholeFiles = search.files().size();
        wholeEntries = search.entries().size();
    };
    const Timing whole = perRun(outline, std::chrono::milliseconds(2000), 5);
    std::printf("\nwhole thesis from disk: %.1f ms per outline (mean %.1f ms; %zu files, %zu items, %zu entries)\n",
                whole.best / 1000.0, whole.mean / 1000.0, wholeFiles, wholeItems, wholeEntries);
    auto verdict = [](bool met) { return met ? "met" : "NOT met"; };
    const double scanRate = megabytes(totalBytes(tex)) / (thesisUs.best / 1e6);
    const double bibRate = megabytes(bib.bytes) / (bibUs.best / 1e6);
    std::printf("targets (native): scanner >= 300 MB/s %s, .bib reader >= 200 MB/s %s, whole thesis < 150 ms %s\n",
                verdict(scanRate >= 300), verdict(bibRate >= 200), verdict(whole.best < 150e3));

    // A scan that finds less than was generated measured the wrong thing.
    bool ok = true;
    if (thesisItems != expectedItems) {
        std::fprintf(stderr, "thesis scan found %zu items, expected %zu\n", thesisItems, expectedItems);
        ok = false;
    }
    if (entries != thesis.counts.bibEntries || wholeEntries != thesis.counts.bibEntries) {
        std::fprintf(stderr, "database read gave %zu / %zu entries, expected %zu\n", entries, wholeEntries,
                     thesis.counts.bibEntries);
        ok = false;
    }
    if (wholeFiles != tex.size() || wholeItems != expectedItems + thesis.counts.bibEntries) {
        std::fprintf(stderr, "whole outline read %zu files and %zu items, expected %zu and %zu\n", wholeFiles,
                     wholeItems, tex.size(), expectedItems + thesis.counts.bibEntries);
        ok = false;
    }
    if (sink == 0) ok = false;
    return ok ? 0 : 1;
}
