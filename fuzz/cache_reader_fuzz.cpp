// Damaged caches "Vexa2.dic": the input, XORed over a valid cache and with
// its length chosen by the input too, so that small inputs reach deep into
// the records; the sources' real times are patched in so that damaged
// contents get past the time check. The store must rebuild or read it
// without crashing, and the dictionaries built on it must answer lookups
// within their bounds.
#include "base/platform.h"
#include "base/str.h"
#include "support/dictionary_cache.h"
#include "support/dictionary_store.h"
#include "support/environment_dictionary.h"
#include "support/paper_size_data.h"
#include "support/tex_dictionary.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {
void check(bool ok) {
    if (!ok) std::abort();
}

std::string utf16le(std::string_view ascii) {
    std::string out;
    for (char c : ascii) {
        out.push_back(c);
        out.push_back('\0');
    }
    return out;
}

// One folder for the whole run, with small valid sources.
const DictionaryPaths& paths() {
    static DictionaryPaths p = [] {
        std::string tmpl = (std::filesystem::temp_directory_path() / "vexa2-fuzz-XXXXXX").string();
        char* made = mkdtemp(tmpl.data());
        if (!made) std::abort();
        u16 folder = str::fromUtf8(made);
        platform::writeFileAtomic(folder + u"/c.txt", utf16le("\\alpha\t\tA\n\\beta\t{}\tB\n\\section\t{}\tS\n"));
        platform::writeFileAtomic(folder + u"/e.txt", utf16le("\\begin{figure}\t[]\tF\n"));
        platform::writeFileAtomic(folder + u"/s.txt", utf16le(":a\t\\alpha\n"));
        platform::writeFileAtomic(folder + u"/p.txt", utf16le("a4j\tA4\n"));
        // Leaked on purpose: the exit handler runs after statics are gone.
        static const std::string* made_folder = new std::string(made);
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(*made_folder, ec);
        });
        return DictionaryPaths{folder, u"c.txt", u"e.txt", u"s.txt", u"p.txt", folder};
    }();
    return p;
}

std::string damage(const uint8_t* data, size_t size, const std::string& valid) {
    if (size < 4) return std::string(reinterpret_cast<const char*>(data), size);
    uint32_t length;
    std::memcpy(&length, data, 4);
    length %= static_cast<uint32_t>(2 * valid.size() + 1);
    std::string bytes(length, '\0');
    for (size_t i = 0; i < length; ++i) {
        uint8_t in = 4 + i < size ? data[4 + i] : 0;
        bytes[i] = static_cast<char>(i < valid.size() ? static_cast<uint8_t>(valid[i]) ^ in : in);
    }
    return bytes;
}

std::string withRealTimes(std::string bytes, const DictionaryStore& store) {
    if (bytes.size() < sizeof(dict_cache::Header)) return bytes;
    dict_cache::Header h;
    std::memcpy(&h, bytes.data(), sizeof h);
    for (int s = 0; s < dict_cache::SourceCount; ++s) {
        platform::FileStamp stamp;
        platform::fileStamp(store.sourcePath(static_cast<dict_cache::Source>(s)), stamp);
        h.times[s] = dict_cache::FileTime::of(stamp.writeTime);
    }
    std::memcpy(bytes.data(), &h, sizeof h);
    return bytes;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const DictionaryPaths& p = paths();
    const u16 cache = p.settingsFolder + u"/Vexa2.dic";
    static std::string valid;
    if (valid.empty()) {
        platform::deleteFile(cache);
        DictionaryStore first(p);
        platform::readFile(cache, valid);
        if (valid.size() <= sizeof(dict_cache::Header)) std::abort();
    }
    DictionaryStore probe(p);
    std::string bytes = withRealTimes(damage(data, size, valid), probe);

    // Validation of the damaged cache at construction (and its rebuild).
    platform::writeFileAtomic(cache, bytes);
    DictionaryStore store(p);
    // Loads from the damaged cache by a store that believes it usable.
    platform::writeFileAtomic(cache, bytes);
    CTeXDictionary d(&store, nullptr);
    for (int i = 0; i < d.count(); ++i) {
        CommandEntry e;
        check(d.get(i, e) && record::field(e.text).size() < 128);
    }
    for (u16view key : {u"\\", u"\\a", u"\\sec", u"\\zz"}) {
        int f = d.find(key);
        check(d.count() == 0 ? f == -1 : (f >= 0 && f < d.count()));
        int s = d.findSuffix(key);
        check(s >= -1 && s < d.suffixCount());
        int c = d.suffixCommand(s);
        check(s < 0 ? c == -1 : (c >= 0 && c < d.count()));
    }
    int b = -1;
    for (int start = d.nextBucket(b); start >= 0; start = d.nextBucket(b)) check(start < d.count());
    CTeXEDictionary env(&store);
    int f = env.find(u"\\begin{fig");
    check(env.count() == 0 ? f == -1 : (f >= 0 && f < env.count()));
    CPaperSizeData paper(&store);
    check(paper.FindKey(u"a4j") < paper.count());
    return 0;
}
