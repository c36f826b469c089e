#include "outline/outline_scan.h"

#include "base/str.h"
#include "make/tex_path.h"
#include "outline/bibtex.h"
#include "outline/find_units.h"
#include "outline/outline_path.h"
#include "outline/verbatim_skip.h"

#include <algorithm>
#include <utility>

namespace outline_scan {

namespace {
constexpr size_t None = static_cast<size_t>(-1);

enum class Action { Sectioning, Label, Bibitem, Include, Bibliography, Mark, BibResource, Import };

struct Word {
    u16view spelling;
    Action action;
    int32_t kind; // for sectioning; for \import 0, for \subimport 1
};
constexpr int32_t SubImport = 1;

// In the order in which they are tried.
constexpr Word Words[] = {
    {u"part", Action::Sectioning, outline_kind::Part},
    {u"chapter", Action::Sectioning, outline_kind::Chapter},
    {u"section", Action::Sectioning, outline_kind::Section},
    {u"subsection", Action::Sectioning, outline_kind::Subsection},
    {u"subsubsection", Action::Sectioning, outline_kind::Subsubsection},
    {u"paragraph", Action::Sectioning, outline_kind::Paragraph},
    {u"subparagraph", Action::Sectioning, outline_kind::Subparagraph},
    {u"label", Action::Label, 0},
    {u"bibitem", Action::Bibitem, 0},
    {u"input", Action::Include, 0},
    {u"include", Action::Include, 0},
    {u"bibliography", Action::Bibliography, 0},
    {u"caption", Action::Mark, 0},
    {u"item", Action::Mark, 0},
    {u"begin", Action::Mark, 0},
    // LaTeX as it is written today: biblatex, the subfiles and import packages.
    {u"addbibresource", Action::BibResource, 0},
    {u"subfile", Action::Include, 0},
    {u"import", Action::Import, 0},
    {u"subimport", Action::Import, SubImport},
};

bool isDelimiter(char16_t c) {
    switch (c) {
    case u'{': case u'*': case u' ': case u'\r': case u'\n': case u'\t':
    case u'}': case u'(': case u')': case u'[': case u']':
        return true;
    default:
        return false;
    }
}

// True when the word follows text[at] and a delimiter follows the word.
bool spells(u16view text, size_t at, u16view word) {
    size_t after = at + word.size();
    return after < text.size() && text.compare(at, word.size(), word) == 0 && isDelimiter(text[after]);
}

const Word* recognise(u16view text, size_t backslash) {
    size_t at = backslash + 1;
    if (at >= text.size()) return nullptr;
    for (const Word& w : Words)
        if (w.spelling[0] == text[at] && spells(text, at, w.spelling)) return &w;
    return nullptr;
}

// The brace argument of the command at the backslash: after the first "{"
// up to the "}" that closes it. False (the command is dropped) when the
// braces do not both lie within the window; a text that ends before any
// "{" gives an empty argument.
bool braceArgument(u16view text, size_t backslash, u16view& arg) {
    const size_t end = std::min(text.size(), backslash + ArgumentWindow);
    size_t open = backslash;
    while (open < end && text[open] != u'{') ++open;
    if (open >= text.size()) {
        arg = {};
        return true;
    }
    if (open >= end) return false;
    int depth = 1;
    for (size_t k = open + 1; k < end; ++k) {
        if (text[k] == u'{') {
            ++depth;
        } else if (text[k] == u'}' && --depth == 0) {
            arg = text.substr(open + 1, k - open - 1);
            return true;
        }
    }
    return false;
}

// The brace argument that follows the one closing at close: after blanks
// and line breaks, a "{" and its "}" within the window of the backslash.
bool nextBraceArgument(u16view text, size_t backslash, size_t close, u16view& arg) {
    const size_t end = std::min(text.size(), backslash + ArgumentWindow);
    size_t open = close + 1;
    while (open < end && (text[open] == u' ' || text[open] == u'\t' || text[open] == u'\r' || text[open] == u'\n'))
        ++open;
    if (open >= end || text[open] != u'{') return false;
    int depth = 1;
    for (size_t k = open + 1; k < end; ++k) {
        if (text[k] == u'{') {
            ++depth;
        } else if (text[k] == u'}' && --depth == 0) {
            arg = text.substr(open + 1, k - open - 1);
            return true;
        }
    }
    return false;
}

// "\input chap1": TeX's own form, the file name running to a blank, a line
// break or a character that starts other markup. False when the word is
// followed (after blanks) by a "{" or by nothing that can be a name.
bool unbracedName(u16view text, size_t afterWord, u16view& name) {
    size_t i = afterWord;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
    size_t end = i;
    while (end < text.size()) {
        const char16_t c = text[end];
        if (c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'{' || c == u'}' || c == u'%' ||
            c == u'\\')
            break;
        ++end;
    }
    if (end == i || (end < text.size() && text[end] == u'{')) return false;
    name = text.substr(i, end - i);
    return true;
}

u16 cut(u16view text, size_t from, size_t length = TextLength) { return u16(text.substr(from, length)); }

// A \bibitem's text ends before the next \bibitem or \end.
u16 bibitemText(u16view text, size_t backslash) {
    u16view window = text.substr(backslash, BibitemWindow);
    size_t stop = window.size();
    for (size_t k = 1; k < window.size(); ++k) {
        if (window[k] == u'\\' && (spells(window, k + 1, u"bibitem") || spells(window, k + 1, u"end"))) {
            stop = k;
            break;
        }
    }
    return u16(window.substr(0, std::min(stop, TextLength)));
}

bool isLabelJunk(char16_t c) {
    return c == u' ' || c == u'=' || c == u'\r' || c == u'\n' || c == u'\t';
}
} // namespace

u16 trimLabel(u16view name) {
    size_t b = 0, e = name.size();
    while (b < e && isLabelJunk(name[b])) ++b;
    while (e > b && isLabelJunk(name[e - 1])) --e;
    return u16(name.substr(b, e - b));
}

struct Scanner::Walk {
    u16view text;
    int depth;
    int32_t itemFile; // file value of this text's items
    int32_t line = 0;
    int32_t column = 0;
    size_t mark = 0;  // context mark; None when cleared
    u16view dir;      // where this text's \input names resolve (the root
                      // folder, or the folder of an \import)
};

Scanner::Scanner(Scope scope, FileSource& files, std::function<u16()> currentText, Lists& out)
    : scope_(std::move(scope)), files_(files), fetchCurrent_(std::move(currentText)), out_(out),
      charactersLeft_(scope_.budget.characters) {}

const u16& Scanner::currentText() {
    if (!haveCurrent_) {
        if (fetchCurrent_) current_ = fetchCurrent_();
        haveCurrent_ = true;
    }
    return current_;
}

bool Scanner::addItem(OutlineItem item) {
    if (out_.items.size() >= scope_.budget.items) {
        out_.incomplete = true;
        return false;
    }
    item.sequence = static_cast<int32_t>(out_.items.size());
    out_.items.push_back(std::move(item));
    return true;
}

void Scanner::scanText(u16view text, u16view path, int depth) { walkText(text, path, depth, scope_.rootDir); }

void Scanner::walkText(u16view text, u16view path, int depth, u16view dir) {
    const uint32_t limit = scope_.settings.limit;
    if (limit != 0 && text.size() > limit) return;
    if (text.size() > charactersLeft_ || out_.items.size() >= scope_.budget.items) {
        out_.incomplete = true;
        return;
    }
    charactersLeft_ -= text.size();

    const auto fileIndex = static_cast<int32_t>(out_.files.size());
    const bool isCurrent = str::equalsNoCase(path, scope_.currentPath);
    out_.files.push_back({u16(path), depth, isCurrent ? 1 : 0});
    addItem({tex_path::fileNameOf(path), cut(text, 0), 0, outline_kind::File, 0, 0, fileIndex, -1});

    Walk w{text, depth, isCurrent ? outline_file::Current : fileIndex, 0, 0, 0, dir};
    // Only backslashes, percent signs and line breaks matter (in a comment
    // only line breaks); the characters between them just move the column.
    bool comment = false;
    const size_t n = text.size();
    const char16_t* const t = text.data();
    size_t i = 0;
    while (i < n) {
        const size_t at = comment ? find_units::any<u'\r', u'\n'>(t, i, n)
                                  : find_units::any<u'\\', u'%', u'\r', u'\n'>(t, i, n);
        w.column += static_cast<int32_t>(at - i);
        if (at == n) break;
        i = at + 1;
        const char16_t c = t[at];
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i < n && t[i] == u'\n') ++i;
            ++w.line;
            w.column = 0;
            comment = false;
            continue;
        }
        if (c == u'\\') {
            const size_t resume = command(w, at);
            if (resume > i) {
                // Skipped text: only its line breaks still count.
                advance(w, at, resume);
                i = resume;
                continue;
            }
        } else if (at == 0 || t[at - 1] != u'\\') {
            comment = true;
        }
        ++w.column;
    }
}

void Scanner::advance(Walk& w, size_t from, size_t to) {
    const char16_t* const t = w.text.data();
    for (size_t k = from; k < to; ++k) {
        if (t[k] == u'\r' || t[k] == u'\n') {
            if (t[k] == u'\r' && k + 1 < to && t[k + 1] == u'\n') ++k;
            ++w.line;
            w.column = 0;
        } else {
            ++w.column;
        }
    }
}

size_t Scanner::command(Walk& w, size_t backslash) {
    const Word* word = recognise(w.text, backslash);
    if (!word) return verbatim_skip::verbEnd(w.text, backslash);
    if (word->action == Action::Mark) {
        w.mark = backslash;
        return verbatim_skip::environmentEnd(w.text, backslash);
    }
    u16view arg;
    if (!(word->spelling == u"input" && unbracedName(w.text, backslash + 1 + word->spelling.size(), arg)) &&
        !braceArgument(w.text, backslash, arg))
        return 0;
    const bool follows = word->action == Action::Include || word->action == Action::Bibliography ||
                         word->action == Action::BibResource || word->action == Action::Import;
    if (follows && w.depth >= MaxDepth) {
        // Not followed: what it names is missing from the lists.
        out_.incomplete = true;
        return 0;
    }

    OutlineItem item;
    item.column = w.column;
    item.line = w.line;
    item.file = w.itemFile;
    switch (word->action) {
    case Action::Sectioning:
        item.name = arg;
        item.text = cut(w.text, backslash);
        item.kind = word->kind;
        addItem(std::move(item));
        w.mark = backslash;
        break;
    case Action::Label: {
        item.name = trimLabel(arg);
        item.kind = scope_.settings.labels.classify(item.name);
        size_t from = backslash > LabelLookBack ? backslash - LabelLookBack : 0;
        if (w.mark != None && w.mark < backslash) {
            from = w.mark;
            w.mark = None; // a mark serves one label only
        }
        item.text = cut(w.text, from);
        addItem(std::move(item));
        break;
    }
    case Action::Bibitem:
        item.name = arg;
        item.text = bibitemText(w.text, backslash);
        item.kind = outline_kind::BibItem;
        addItem(std::move(item));
        break;
    case Action::Include:
        include(arg, w.depth, w.dir);
        break;
    case Action::Bibliography:
        bibliography(arg);
        break;
    case Action::BibResource:
        bibResource(arg);
        break;
    case Action::Import:
        import(w, backslash, arg, word->kind == SubImport);
        break;
    case Action::Mark:
        break;
    }
    return 0;
}

void Scanner::include(u16view name, int depth, u16view dir) {
    u16 path = outline_path::absolute(dir, outline_path::withDefaultExtension(name, u".tex"));
    if (path.empty()) return;
    if (str::equalsNoCase(path, scope_.currentPath)) {
        // The open document, with the user's unsaved changes.
        walkText(currentText(), path, depth + 1, dir);
        return;
    }
    u16 text;
    if (files_.read(path, scope_.settings.limit, text)) walkText(text, path, depth + 1, dir);
}

// \import{dir/}{file} names dir from the root folder (or absolutely),
// \subimport{dir/}{file} from the folder of the text that holds it; what
// the file then inputs resolves against dir, as the import package does.
void Scanner::import(const Walk& w, size_t backslash, u16view dirArg, bool sub) {
    if (dirArg.data() == nullptr) return; // the text ended before any "{"
    const auto firstClose = static_cast<size_t>(dirArg.data() - w.text.data()) + dirArg.size();
    u16view file;
    if (!nextBraceArgument(w.text, backslash, firstClose, file)) return;
    const u16view base = sub ? w.dir : u16view(scope_.rootDir);
    u16 dir = dirArg.empty() ? u16(base) : outline_path::absolute(base, dirArg);
    if (dir.empty()) return;
    while (dir.size() > 3 && dir.back() == u'\\') dir.pop_back();
    include(file, w.depth, dir);
}

void Scanner::bibResource(u16view name) {
    u16 path = outline_path::absolute(scope_.rootDir, name);
    if (!path.empty()) addEntries(database(path));
}

bool Scanner::addEntries(const std::vector<BibEntry>& entries) {
    for (const BibEntry& entry : entries) {
        OutlineItem item{entry.key, u16(), 0, outline_kind::DatabaseEntry, -1, -1, outline_file::Database,
                         static_cast<int32_t>(out_.entries.size())};
        if (!addItem(std::move(item))) return false;
        out_.entries.push_back(entry);
    }
    return true;
}

void Scanner::bibliography(u16view names) {
    size_t start = 0;
    while (start <= names.size()) {
        size_t comma = names.find(u',', start);
        if (comma == u16view::npos) comma = names.size();
        u16view piece = names.substr(start, comma - start);
        if (piece.empty()) return; // an empty piece ends the list
        start = comma + 1;

        u16 path = outline_path::absolute(scope_.rootDir, piece);
        if (path.empty()) continue;
        if (!addEntries(database(path))) return;
    }
}

const std::vector<BibEntry>& Scanner::database(const u16& path) {
    auto it = databases_.find(path);
    if (it == databases_.end()) {
        CBibTeX bib(path, scope_.settings.limit, files_);
        it = databases_.emplace(path, bib.entries()).first;
    }
    return it->second;
}

} // namespace outline_scan
