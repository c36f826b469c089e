// Cost of one settings read and one settings write (each re-reads the whole
// file, and a write rewrites it) on files of growing size.
#include "base/str.h"
#include "settings/setting.h"
#include "tests/support/temp_dir.h"
#include "bench/bench_timing.h"

#include <chrono>
#include <cstdio>

namespace {

using bench::perRun;

std::string makeFile(int keys) {
    // Ten sections, keys spread evenly, values of typical length.
    std::string text;
    const int sections = 10;
    for (int s = 0; s < sections; ++s) {
        text += "[Section" + std::to_string(s) + "]\r\n";
        for (int k = s; k < keys; k += sections)
            text += "Key" + std::to_string(k) + "=" + std::to_string(k * 37) + ",value text\r\n";
    }
    return text;
}
} // namespace

int main() {
    std::printf("%-8s %16s %16s\n", "keys", "readInt us/op", "writeInt us/op");
    for (int keys : {50, 500, 5000}) {
        TempDir dir;
        if (!dir.ok() || !dir.write(u"Vexa2.ini", makeFile(keys))) {
            std::fprintf(stderr, "cannot prepare a temporary folder\n");
            return 1;
        }
        CSetting setting(dir.path());
        // The last key of the last section: the longest lookup.
        const u16 key = u"Key" + str::fromInt(keys - 1);
        const u16 section = u"Section" + str::fromInt((keys - 1) % 10);
        long long sink = 0;
        double read = perRun([&](int) { sink += setting.readInt(section.c_str(), key.c_str(), 0); },
                             std::chrono::milliseconds(1500), 5);
        int failures = 0;
        double write = perRun(
            [&](int i) { failures += setting.writeInt(section.c_str(), key.c_str(), i) == 1 ? 0 : 1; },
            std::chrono::milliseconds(1500), 5);
        std::printf("%-8d %16.1f %16.1f\n", keys, read, write);
        if (failures || sink == 0) {
            std::fprintf(stderr, "unexpected result: %d failed writes\n", failures);
            return 1;
        }
    }
    return 0;
}
