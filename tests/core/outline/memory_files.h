// A FileSource over texts held in memory, for the outline tests: paths are
// compared exactly, and every read is logged with the limit it was given.
#pragma once
#include "outline/file_source.h"

#include <map>
#include <vector>

class MemoryFiles : public FileSource {
public:
    void add(u16view path, u16view text) { texts_[u16(path)] = text; }

    bool read(u16view path, uint32_t limit, u16& text) override {
        reads.push_back(u16(path));
        limits.push_back(limit);
        text.clear();
        auto it = texts_.find(u16(path));
        if (it == texts_.end()) return false;
        // Stored texts stand for ANSI files: one byte per character.
        if (limit != 0 && it->second.size() > limit) return false;
        text = it->second;
        return true;
    }

    std::vector<u16> reads;        // every path asked for, in order
    std::vector<uint32_t> limits;  // the limit of each read

private:
    std::map<u16, u16> texts_;
};
