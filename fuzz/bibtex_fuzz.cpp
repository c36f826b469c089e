// BibTeX databases of any shape: the input is decoded as a database file
// would be (ANSI or UTF-16LE by the length test) and parsed, once directly
// and once through CBibTeX with a size limit taken from the first byte.
// Every kept entry must be well formed: a type, a key, at least one field,
// and values cleaned of line breaks, tabs and runs of spaces.
#include "base/text_file.h"
#include "outline/bibtex.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {
void check(bool ok) {
    if (!ok) std::abort();
}

class OneFile : public FileSource {
public:
    explicit OneFile(std::string_view bytes) : bytes_(bytes) {}
    bool read(u16view, uint32_t limit, u16& text) override {
        text.clear();
        if (limit != 0 && bytes_.size() > limit) return false;
        text = text_file::decodeSource(bytes_);
        return true;
    }

private:
    std::string_view bytes_;
};

void checkEntries(const std::vector<BibEntry>& entries, size_t textLength) {
    check(entries.size() <= textLength / 4 + 1); // "@a{k,n=}" needs more than four characters
    for (const BibEntry& e : entries) {
        check(!e.type.empty() && !e.key.empty() && !e.fields.empty());
        for (const BibField& f : e.fields) {
            for (size_t i = 0; i < f.value.size(); ++i) {
                char16_t c = f.value[i];
                check(c != u'\r' && c != u'\n' && c != u'\t');
                check(!(c == u' ' && i > 0 && f.value[i - 1] == u' '));
            }
        }
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    u16 text = text_file::decodeSource(bytes);
    checkEntries(bibtex::parse(text), text.size());

    OneFile file(bytes);
    const uint32_t limit = size ? static_cast<uint32_t>(data[0]) * 64 : 0;
    CBibTeX bib(u"C:\\fuzz\\refs", limit, file);
    check(bib.error() == (limit != 0 && size > limit));
    checkEntries(bib.entries(), text.size());
    BibEntry out;
    const auto count = static_cast<int32_t>(bib.entries().size());
    check(!bib.entry(count, out) && !bib.entry(-1, out));
    if (count) check(bib.entry(count - 1, out) && out.key == bib.entries().back().key);
    return 0;
}
