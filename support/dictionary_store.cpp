#include "support/dictionary_store.h"

#include "base/platform.h"
#include "support/dictionary_source.h"
#include "support/history_file.h"

namespace {

using dict_cache::Array;
using dict_cache::Header;
using dict_cache::Source;

u16 join(const u16& folder, u16view name) {
    u16 path = folder;
    if (!path.empty() && path.back() != u'\\' && path.back() != u'/') path += u'\\';
    path += name;
    return path;
}

// The source's bytes and its time when read; both empty (0) when it is
// missing, a folder, too large or unreadable.
struct SourceRead {
    std::string bytes;
    uint64_t time = 0;
};

SourceRead readSource(const u16& path) {
    SourceRead r;
    platform::FileStamp stamp;
    if (!platform::fileStamp(path, stamp) || stamp.size > dict_source::MaxSourceBytes) return r;
    std::string bytes;
    // The size is checked again after reading: the file may have grown.
    if (!platform::readFile(path, bytes) || bytes.size() > dict_source::MaxSourceBytes) return r;
    r.bytes = std::move(bytes);
    r.time = stamp.writeTime;
    return r;
}

bool readHeader(const u16& path, Header& header, uint64_t& size) {
    platform::FileStamp stamp;
    if (!platform::fileStamp(path, stamp) || stamp.size < sizeof(Header)) return false;
    if (!platform::readFileRange(path, 0, sizeof(Header), &header)) return false;
    size = stamp.size;
    return true;
}

template <typename T> void terminateAll(std::vector<T>& list);
template <> void terminateAll(std::vector<EnvironmentEntry>& list) {
    for (auto& e : list) { record::terminate(e.name); record::terminate(e.arguments); record::terminate(e.description); }
}
template <> void terminateAll(std::vector<EasySupportEntry>& list) {
    for (auto& e : list) { record::terminate(e.key); record::terminate(e.text); }
}
template <> void terminateAll(std::vector<PaperSizeEntry>& list) {
    for (auto& e : list) { record::terminate(e.key); record::terminate(e.value); }
}

} // namespace

DictionaryStore::DictionaryStore(DictionaryPaths paths) : paths_(std::move(paths)) {
    usable_ = cacheValid() || rebuild();
}

u16 DictionaryStore::sourcePath(Source source) const {
    switch (source) {
    case dict_cache::Commands: return join(paths_.sourceFolder, paths_.commandFile);
    case dict_cache::Environments: return join(paths_.sourceFolder, paths_.environmentFile);
    case dict_cache::EasySupport: return join(paths_.sourceFolder, paths_.easySupportFile);
    case dict_cache::PaperSizes: return join(paths_.sourceFolder, paths_.paperSizeFile);
    default: return {};
    }
}

u16 DictionaryStore::cachePath() const { return join(paths_.settingsFolder, dict_cache::FileName); }
u16 DictionaryStore::historyPath() const { return join(paths_.settingsFolder, history_file::FileName); }

bool DictionaryStore::cacheValid() const {
    Header header;
    uint64_t size = 0;
    if (!readHeader(cachePath(), header, size) || !dict_cache::consistent(header, size)) return false;
    for (int s = 0; s < dict_cache::SourceCount; ++s) {
        platform::FileStamp stamp;
        if (!platform::fileStamp(sourcePath(static_cast<Source>(s)), stamp)) return false;
        if (stamp.writeTime != header.times[s].value()) return false;
    }
    return true;
}

bool DictionaryStore::rebuild() {
    Header header{};
    std::vector<CommandEntry> commands;
    std::vector<SuffixEntry> suffixes;
    SourceRead r = readSource(sourcePath(dict_cache::Commands));
    dict_source::parseCommands(r.bytes, commands, suffixes);
    header.times[dict_cache::Commands] = dict_cache::FileTime::of(r.time);

    r = readSource(sourcePath(dict_cache::Environments));
    auto environments = dict_source::parseEnvironments(r.bytes);
    header.times[dict_cache::Environments] = dict_cache::FileTime::of(r.time);

    r = readSource(sourcePath(dict_cache::EasySupport));
    auto easySupport = dict_source::parseEasySupport(r.bytes);
    header.times[dict_cache::EasySupport] = dict_cache::FileTime::of(r.time);

    r = readSource(sourcePath(dict_cache::PaperSizes));
    auto paperSizes = dict_source::parsePaperSizes(r.bytes);
    header.times[dict_cache::PaperSizes] = dict_cache::FileTime::of(r.time);

    std::string file = dict_cache::build(header, commands, suffixes, environments, easySupport, paperSizes);
    usable_ = platform::writeFileAtomic(cachePath(), file);
    return usable_;
}

// Reads one array from the cache, but only while the cache is consistent
// and still belongs to the source as it is now (another window may have
// saved it since this store validated the cache).
template <typename T>
bool DictionaryStore::readArray(Array array, Source source, std::vector<T>& out) const {
    out.clear();
    if (!usable_) return false;
    const u16 path = cachePath();
    Header header;
    uint64_t size = 0;
    if (!readHeader(path, header, size) || !dict_cache::consistent(header, size)) return false;
    platform::FileStamp stamp;
    if (!platform::fileStamp(sourcePath(source), stamp) || stamp.writeTime != header.times[source].value())
        return false;
    out.resize(header.counts[array]);
    if (out.empty()) return true;
    if (!platform::readFileRange(path, dict_cache::arrayOffset(header, array), out.size() * sizeof(T), out.data())) {
        out.clear();
        return false;
    }
    return true;
}

void DictionaryStore::loadCommands(std::vector<CommandEntry>& commands, std::vector<SuffixEntry>& suffixes) const {
    if (readArray(dict_cache::CommandArray, dict_cache::Commands, commands) &&
        readArray(dict_cache::SuffixArray, dict_cache::Commands, suffixes)) {
        bool sound = true;
        const int32_t count = static_cast<int32_t>(commands.size());
        for (int32_t i = 0; i < count; ++i) {
            CommandEntry& e = commands[i];
            record::terminate(e.name);
            record::terminate(e.arguments);
            record::terminate(e.text);
            record::terminate(e.description);
            e.loadIndex = i;   // what parsing gives; the history re-mapping relies on it
        }
        for (SuffixEntry& s : suffixes) {
            record::terminate(s.letters);
            if (s.commandIndex < 0 || s.commandIndex >= count) sound = false;
        }
        if (sound) return;
    }
    SourceRead r = readSource(sourcePath(dict_cache::Commands));
    dict_source::parseCommands(r.bytes, commands, suffixes);
}

void DictionaryStore::loadEnvironments(std::vector<EnvironmentEntry>& list) const {
    if (readArray(dict_cache::EnvironmentArray, dict_cache::Environments, list)) {
        terminateAll(list);
        return;
    }
    list = dict_source::parseEnvironments(readSource(sourcePath(dict_cache::Environments)).bytes);
}

void DictionaryStore::loadEasySupport(std::vector<EasySupportEntry>& list) const {
    if (readArray(dict_cache::EasySupportArray, dict_cache::EasySupport, list)) {
        terminateAll(list);
        return;
    }
    list = dict_source::parseEasySupport(readSource(sourcePath(dict_cache::EasySupport)).bytes);
}

void DictionaryStore::loadPaperSizes(std::vector<PaperSizeEntry>& list) const {
    if (readArray(dict_cache::PaperSizeArray, dict_cache::PaperSizes, list)) {
        terminateAll(list);
        return;
    }
    list = dict_source::parsePaperSizes(readSource(sourcePath(dict_cache::PaperSizes)).bytes);
}

bool DictionaryStore::saveSource(Source source, const std::string& bytes) {
    const u16 path = sourcePath(source);
    if (platform::fileExists(path)) {
        // The previous contents stay beside the source, whatever happens
        // to the new ones.
        std::string old;
        if (platform::readFile(path, old)) platform::writeFileAtomic(path + u".old", old);
    }
    if (!platform::writeFileAtomic(path, bytes)) return false;
    // The cache no longer matches this source; until it is rebuilt, loads
    // parse the sources so that the saved entries are seen. The cache file
    // goes too: a file clock coarser than the time between two saves would
    // leave the new source with the old write time, and other stores
    // (other windows) would take the stale cache as valid.
    usable_ = false;
    platform::deleteFile(cachePath());
    return true;
}

bool DictionaryStore::saveCommands(std::span<const CommandEntry> commands) {
    return saveSource(dict_cache::Commands, dict_source::formatCommands(commands));
}
bool DictionaryStore::saveEnvironments(std::span<const EnvironmentEntry> list) {
    return saveSource(dict_cache::Environments, dict_source::formatEnvironments(list));
}
bool DictionaryStore::saveEasySupport(std::span<const EasySupportEntry> list) {
    return saveSource(dict_cache::EasySupport, dict_source::formatEasySupport(list));
}
bool DictionaryStore::savePaperSizes(std::span<const PaperSizeEntry> list) {
    return saveSource(dict_cache::PaperSizes, dict_source::formatPaperSizes(list));
}

int DictionaryStore::writableSources() const {
    static constexpr int bits[dict_cache::SourceCount] = {CommandsBit, EnvironmentsBit, EasySupportBit,
                                                          PaperSizesBit};
    int mask = 0;
    for (int s = 0; s < dict_cache::SourceCount; ++s)
        if (platform::canOpenExclusive(sourcePath(static_cast<Source>(s)))) mask |= bits[s];
    return mask;
}
