// The walk of one outline scan: a hand-written character scanner that
// recognises a fixed set of commands by their exact spelling followed by
// a delimiter, follows \input / \include (and \subfile, \import,
// \subimport) into other files and reads the databases named by
// \bibliography or \addbibresource. Verbatim text is skipped. CSearch sets
// it up and owns the lists.
#pragma once
#include "base/text.h"
#include "outline/file_source.h"
#include "outline/label_class.h"
#include "outline/outline_items.h"

#include <cstddef>
#include <functional>
#include <map>
#include <utility>
#include <vector>

namespace outline_scan {

constexpr int MaxDepth = 10;          // \input, \include, \bibliography ignored from here
constexpr size_t ArgumentWindow = 280; // "{" and its "}" must lie this close to the backslash
constexpr size_t TextLength = 264;    // context text kept per item
constexpr size_t LabelLookBack = 50;  // context of a label with no mark before it
constexpr size_t BibitemWindow = 265; // looked at for the end of a \bibitem's text

// Bounds on the work of one scan. The depth limit alone does not bound it:
// a file that includes itself k times is read k^10 times. A scan that runs
// out stops taking files and items and says so; real documents stay far
// below (a 20 MB thesis walks 20 M characters and has some 20 000 items).
struct Budget {
    size_t characters = size_t{128} << 20; // walked, over every text
    size_t items = size_t{1} << 19;
};

struct Lists {
    std::vector<OutlineFile> files;
    std::vector<OutlineItem> items;
    std::vector<BibEntry> entries;
    bool incomplete = false; // the budget ran out, or an inclusion lay too deep to follow
};

struct Scope {
    u16 currentPath;            // host's current document, "\" separated
    u16 rootDir;                // relative names resolve against it
    OutlineSettings settings;
    Budget budget;
};

class Scanner {
public:
    // currentText fetches the host editor's text; it is called at most once
    // and only when a scan needs it.
    Scanner(Scope scope, FileSource& files, std::function<u16()> currentText, Lists& out);

    // Records the text as a file at depth and walks it.
    void scanText(u16view text, u16view path, int depth);
    // The host editor's current text (fetched on first use).
    const u16& currentText();
    const Scope& scope() const { return scope_; }
    void setRootDir(u16 dir) { scope_.rootDir = std::move(dir); }

private:
    struct Walk;
    void walkText(u16view text, u16view path, int depth, u16view dir);
    // Acts on the command at the backslash; returns where the walk goes on
    // when it skips text (a verbatim body, a \verb argument), else 0.
    size_t command(Walk& w, size_t backslash);
    // Moves the line and column over text[from, to).
    static void advance(Walk& w, size_t from, size_t to);
    bool addItem(OutlineItem item);
    void include(u16view name, int depth, u16view dir);
    void import(const Walk& w, size_t backslash, u16view dirArg, bool sub);
    void bibliography(u16view names);
    void bibResource(u16view name); // one \addbibresource
    bool addEntries(const std::vector<BibEntry>& entries);
    const std::vector<BibEntry>& database(const u16& path);

    Scope scope_;
    FileSource& files_;
    std::function<u16()> fetchCurrent_;
    bool haveCurrent_ = false;
    u16 current_;                                    // cached editor text
    Lists& out_;                                     // not owned
    size_t charactersLeft_;
    std::map<u16, std::vector<BibEntry>> databases_; // each .bib parsed once per scan
};

// Label names lose spaces, "=", line breaks and tabs at both ends.
u16 trimLabel(u16view name);

} // namespace outline_scan
