// DictionaryStore: where the four dictionary sources live, and the binary
// cache that spares every window from parsing them. Created once by the main
// window (and by the dictionary editor for its own use); the dictionaries
// load from it and save through it.
#pragma once
#include "base/text.h"
#include "support/dictionary_cache.h"
#include "support/dictionary_records.h"

#include <span>
#include <vector>

// The file names come from the language library's configuration texts,
// which the core cannot read, so the shell passes them in.
struct DictionaryPaths {
    u16 sourceFolder;      // the "Vexa2Lang" folder beside the plug-in
    u16 commandFile;       // file names inside sourceFolder
    u16 environmentFile;
    u16 easySupportFile;
    u16 paperSizeFile;
    u16 settingsFolder;    // holds the cache "Vexa2.dic" and the history "Vexa2.hst"
};

class DictionaryStore {
public:
    // Bits of writableSources().
    enum : int { CommandsBit = 1, EnvironmentsBit = 2, EasySupportBit = 4, PaperSizesBit = 8 };

    // Validates the cache and rebuilds it when it is not valid.
    explicit DictionaryStore(DictionaryPaths paths);

    // The cache is valid or was rebuilt; otherwise every load parses its
    // source.
    bool usable() const { return usable_; }

    // True when the cache exists, its header matches its size and every
    // source still has the time recorded in it.
    bool cacheValid() const;
    // Parses all four sources and writes the cache; true when written.
    bool rebuild();

    // Fill the lists from the cache when usable, else from the sources. A
    // missing or unreadable source gives an empty list.
    void loadCommands(std::vector<CommandEntry>& commands, std::vector<SuffixEntry>& suffixes) const;
    void loadEnvironments(std::vector<EnvironmentEntry>& list) const;
    void loadEasySupport(std::vector<EasySupportEntry>& list) const;
    void loadPaperSizes(std::vector<PaperSizeEntry>& list) const;

    // Write a source back (after copying it to "<source>.old"); false when
    // it could not be written, and then the source is unchanged. The
    // entries are written in the order given, the callers keep them sorted.
    bool saveCommands(std::span<const CommandEntry> commands);
    bool saveEnvironments(std::span<const EnvironmentEntry> list);
    bool saveEasySupport(std::span<const EasySupportEntry> list);
    bool savePaperSizes(std::span<const PaperSizeEntry> list);

    // Sources that exist and can be opened for exclusive writing (the
    // bits above).
    int writableSources() const;

    u16 sourcePath(dict_cache::Source source) const;
    u16 cachePath() const;
    u16 historyPath() const;

private:
    template <typename T> bool readArray(dict_cache::Array array, dict_cache::Source source, std::vector<T>& out) const;
    bool saveSource(dict_cache::Source source, const std::string& bytes);

    DictionaryPaths paths_;
    bool usable_ = false;
};
