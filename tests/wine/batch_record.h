// Reading what tests/wine/helpers/batch_recorder wrote: one block per call,
// "call<TAB>cwd<TAB>args...", "parent<TAB>program<TAB>command line", then
// "env<TAB>Name=Value" lines, then "end".
#pragma once
#include "base/str.h"
#include "base/text.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace batch_record {

struct Call {
    u16 cwd;
    std::vector<u16> args;
    std::map<u16, u16> env;
    // The process that started the tool: the batch file's interpreter.
    u16 parentProgram;
    u16 parentCommandLine;
    // The first argument that is not the recorder's own "-y=" option: the
    // label the command file gave the step.
    u16 label() const {
        for (const u16& a : args)
            if (!a.starts_with(u"-y=")) return a;
        return {};
    }
};

inline std::vector<Call> parse(const std::string& text) {
    std::vector<Call> calls;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        std::vector<u16> fields;
        for (size_t s = 0;;) {
            size_t t = line.find('\t', s);
            fields.push_back(str::fromUtf8(line.substr(s, t == std::string::npos ? std::string::npos : t - s)));
            if (t == std::string::npos) break;
            s = t + 1;
        }
        if (fields[0] == u"call") {
            calls.emplace_back();
            calls.back().cwd = fields.size() > 1 ? fields[1] : u16();
            calls.back().args.assign(fields.begin() + std::min<size_t>(2, fields.size()), fields.end());
        } else if (fields[0] == u"parent" && fields.size() > 2 && !calls.empty()) {
            calls.back().parentProgram = fields[1];
            calls.back().parentCommandLine = fields[2];
        } else if (fields[0] == u"env" && fields.size() > 1 && !calls.empty()) {
            size_t eq = fields[1].find(u'=', 1);
            calls.back().env[fields[1].substr(0, eq)] = eq == u16::npos ? u16() : fields[1].substr(eq + 1);
        }
    }
    return calls;
}

} // namespace batch_record
