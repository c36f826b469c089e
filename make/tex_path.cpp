#include "make/tex_path.h"

#include <vector>

namespace tex_path {

namespace {
bool isSep(char16_t c) { return c == u'\\' || c == u'/'; }
bool hasDrive(u16view p) {
    return p.size() >= 2 && p[1] == u':' &&
           ((p[0] >= u'A' && p[0] <= u'Z') || (p[0] >= u'a' && p[0] <= u'z'));
}
size_t lastSep(u16view p) {
    size_t i = p.find_last_of(u"\\/");
    return i;
}
// Length of the part that ".." never climbs above: "X:\", "\\server\share\", "\".
size_t prefixLength(u16view p) {
    if (hasDrive(p)) return p.size() > 2 && isSep(p[2]) ? 3 : 2;
    if (p.size() >= 2 && isSep(p[0]) && isSep(p[1])) {
        size_t n = 2, parts = 0;
        while (n < p.size() && parts < 2) {
            if (isSep(p[n])) ++parts;
            ++n;
        }
        return n;
    }
    return !p.empty() && isSep(p[0]) ? 1 : 0;
}
} // namespace

u16 backslashed(u16view path) {
    u16 out(path);
    for (char16_t& c : out)
        if (c == u'/') c = u'\\';
    return out;
}

u16 folderOf(u16view path) {
    size_t i = lastSep(path);
    if (i == u16view::npos) return hasDrive(path) ? u16(path.substr(0, 2)) : u16();
    if (i == 0 || (i == 2 && hasDrive(path))) return u16(path.substr(0, i + 1));
    return u16(path.substr(0, i));
}

u16 fileNameOf(u16view path) {
    size_t i = lastSep(path);
    if (i == u16view::npos) return hasDrive(path) ? u16(path.substr(2)) : u16(path);
    return u16(path.substr(i + 1));
}

u16 stemOf(u16view path) {
    u16 name = fileNameOf(path);
    size_t dot = name.rfind(u'.');
    if (dot == u16::npos || dot == 0) return name;
    return name.substr(0, dot);
}

u16 withoutExtension(u16view path) {
    u16 name = fileNameOf(path);
    size_t dot = name.rfind(u'.');
    if (dot == u16::npos || dot == 0) return u16(path);
    return u16(path.substr(0, path.size() - (name.size() - dot)));
}

bool isRelative(u16view path) { return !(hasDrive(path) || (!path.empty() && isSep(path[0]))); }

u16 combine(u16view folder, u16view rel) {
    u16 joined;
    if (!isRelative(rel)) {
        // "\x" on a drive folder: the folder's drive, rel's path.
        bool rooted = isSep(rel[0]) && !(rel.size() > 1 && isSep(rel[1]));
        if (rooted && hasDrive(folder)) joined = u16(folder.substr(0, 2)) + u16(rel);
        else joined = rel;
    } else if (folder.empty()) {
        joined = rel;
    } else {
        joined = u16(folder);
        if (!isSep(joined.back())) joined += u'\\';
        joined += rel;
    }
    joined = backslashed(joined);

    size_t pre = prefixLength(joined);
    u16 head = joined.substr(0, pre);
    std::vector<u16> parts;
    size_t i = pre;
    while (i <= joined.size()) {
        size_t j = joined.find(u'\\', i);
        if (j == u16::npos) j = joined.size();
        u16 part = joined.substr(i, j - i);
        if (part == u"..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != u".") {
            parts.push_back(part);
        }
        i = j + 1;
    }
    u16 out = head;
    for (size_t k = 0; k < parts.size(); ++k) {
        if (k) out += u'\\';
        out += parts[k];
    }
    return out;
}

} // namespace tex_path
