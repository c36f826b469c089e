#include "outline/outline_path.h"

#include "make/tex_path.h"

namespace outline_path {

u16 absolute(u16view rootDir, u16view name) {
    u16 path = tex_path::backslashed(name);
    if (tex_path::isRelative(path)) {
        if (rootDir.empty()) return {};
        path = tex_path::combine(rootDir, path);
    }
    if (path.size() <= 3) return {};
    return path;
}

bool hasExtension(u16view path) {
    bool dot = false;
    for (char16_t c : path) {
        if (c == u'\\' || c == u'/' || c == u' ') dot = false;
        else if (c == u'.') dot = true;
    }
    return dot;
}

u16 withDefaultExtension(u16view path, u16view ext) {
    u16 out(path);
    if (!hasExtension(path)) out += ext;
    return out;
}

} // namespace outline_path
