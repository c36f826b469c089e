#include "dialogs/input_fragment.h"

#include "base/str.h"
#include "mainwindow/snippet.h"

namespace input_fragment {

bool includeFrom(u16view stored) { return str::toInt(stored) == 1; }

u16 compose(bool include) { return include ? u"1" : u"0"; }

Insertion build(bool include, u16view file) {
    u16 command = include ? u"\\include{" : u"\\input{";
    if (file.empty()) return {{command, u"}"}, snippet::Wrap};
    return {{command + u16(file) + u"}", u""}, snippet::AtCaret};
}

} // namespace input_fragment
