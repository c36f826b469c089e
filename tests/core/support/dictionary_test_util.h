// Shared set-up of the dictionary tests: sources written as the program
// stores them (UTF-16LE, no byte-order mark) in a fresh folder.
#pragma once
#include "base/platform.h"
#include "base/str.h"
#include "support/dictionary_records.h"
#include "support/dictionary_store.h"
#include "tests/support/temp_dir.h"

#include <chrono>
#include <string>
#include <thread>

namespace dict_test {

inline std::string utf16le(std::string_view utf8) {
    u16 text = str::fromUtf8(utf8);
    std::string bytes;
    for (char16_t c : text) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>(c >> 8));
    }
    return bytes;
}

inline std::string utf8(u16view text) { return str::toUtf8(text); }

// Sources in the folder itself, cache and history in its "settings" folder.
struct Folder {
    TempDir dir;
    Folder() { dir.makeFolder(u"settings"); }

    DictionaryPaths paths() const {
        return {dir.path(), u"cmd.txt", u"env.txt", u"easy.txt", u"paper.txt", dir.file(u"settings")};
    }
    void writeSource(u16view name, std::string_view utf8Text) const { dir.write(name, utf16le(utf8Text)); }
    void writeAllSources(std::string_view commands, std::string_view environments = "\\begin{table}\t[]\n",
                         std::string_view easy = ":al\t\\alpha\n", std::string_view paper = "a4paper\tA4\n") const {
        writeSource(u"cmd.txt", commands);
        writeSource(u"env.txt", environments);
        writeSource(u"easy.txt", easy);
        writeSource(u"paper.txt", paper);
    }
    std::string cacheBytes(const DictionaryStore& store) const {
        std::string bytes;
        platform::readFile(store.cachePath(), bytes);
        return bytes;
    }
};

// File times on Linux and under Wine move in coarse ticks; a test that
// needs a source's time to change after it was stamped waits one out.
inline void letFileTimeTick() { std::this_thread::sleep_for(std::chrono::milliseconds(30)); }

inline CommandEntry command(std::string_view name, std::string_view args = "", std::string_view desc = "",
                            int32_t loadIndex = -1) {
    return record::makeCommand(str::fromUtf8(name), str::fromUtf8(args), str::fromUtf8(desc), loadIndex);
}

} // namespace dict_test
