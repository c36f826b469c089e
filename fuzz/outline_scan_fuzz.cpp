// LaTeX documents of any shape through the outline walk. The input is split
// at the byte 0x01 into the editor's text, the text of every other .tex file
// and the text of every .bib file, so that \input, \include and
// \bibliography always find something and the recursion is exercised. The
// lists must stay consistent whatever the input.
#include "outline/outline_scan.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {
void check(bool ok) {
    if (!ok) std::abort();
}

class Files : public FileSource {
public:
    u16 tex, bib;
    bool read(u16view path, uint32_t limit, u16& text) override {
        text = path.ends_with(u".bib") ? bib : tex;
        if (limit != 0 && text.size() > limit) {
            text.clear();
            return false;
        }
        return true;
    }
};

u16 widen(std::string_view bytes) { return u16(bytes.begin(), bytes.end()); }
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view in(reinterpret_cast<const char*>(data), size);
    size_t a = in.find('\x01');
    size_t b = a == std::string_view::npos ? a : in.find('\x01', a + 1);
    u16 editor = widen(in.substr(0, a));
    Files files;
    if (a != std::string_view::npos) files.tex = widen(in.substr(a + 1, b == std::string_view::npos ? b : b - a - 1));
    if (b != std::string_view::npos) files.bib = widen(in.substr(b + 1));

    outline_scan::Scope scope;
    scope.currentPath = u"C:\\doc\\main.tex";
    scope.rootDir = u"C:\\doc";
    scope.settings.limit = size && (data[0] & 1) ? 4096 : 0;
    scope.budget = {size_t{1} << 20, size_t{1} << 14}; // keeps a run short
    outline_scan::Lists lists;
    outline_scan::Scanner scanner(scope, files, [&] { return editor; }, lists);
    scanner.scanText(scanner.currentText(), scope.currentPath, 0);

    check(lists.items.size() <= scope.budget.items);
    for (const OutlineFile& f : lists.files) check(f.depth >= 0 && f.depth <= outline_scan::MaxDepth);
    for (size_t i = 0; i < lists.items.size(); ++i) {
        const OutlineItem& item = lists.items[i];
        check(item.sequence == static_cast<int32_t>(i));
        check(item.text.size() <= outline_scan::TextLength);
        if (item.kind == outline_kind::DatabaseEntry) {
            check(item.file == outline_file::Database && item.line == -1 && item.column == -1);
            check(item.entry >= 0 && static_cast<size_t>(item.entry) < lists.entries.size());
            check(lists.entries[static_cast<size_t>(item.entry)].key == item.name);
        } else {
            check(item.entry == -1 && item.line >= 0 && item.column >= 0);
            check(item.file == outline_file::Current ||
                  (item.file >= 0 && static_cast<size_t>(item.file) < lists.files.size()));
        }
        int32_t image = outline_kind::imageIndex(item.kind, item.file == outline_file::Current);
        check(image >= 1 && image <= 48);
    }
    return 0;
}
