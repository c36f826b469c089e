#include "dialogs/figure_file.h"

#include "base/str.h"
#include "make/tex_path.h"

#include <algorithm>

namespace figure_file {

u16 boxText(u16view full, u16view document, root_form::Form style) {
    u16 text = root_form::render(full, document, style);
    if (style == root_form::Relative || style == root_form::Absolute)
        std::replace(text.begin(), text.end(), u'\\', u'/');
    return text;
}

bool convertible(u16view name) {
    if (name.size() < 5) return false;
    for (u16view ending : {u16view(u".jpg"), u16view(u".jpeg"), u16view(u".jpe"), u16view(u".jfif")}) {
        if (name.size() >= ending.size() && str::equalsNoCase(name.substr(name.size() - ending.size()), ending))
            return true;
    }
    return false;
}

u16 fileOf(u16view box, u16view document) {
    if (document.empty()) return tex_path::backslashed(box);
    return tex_path::combine(tex_path::folderOf(document), box);
}

u16 epsName(u16view jpeg) { return tex_path::withoutExtension(jpeg) + u".eps"; }

} // namespace figure_file
