#include "support/new_item.h"

#include "frame/host_messages.h"

namespace new_item {

std::optional<Insertion> forLine(u16view line) {
    size_t at = line.find_first_not_of(u" \t");
    if (at == u16view::npos) return std::nullopt;
    u16view indent = line.substr(0, at);
    u16view rest = line.substr(at);
    constexpr u16view item = u"\\item";
    constexpr u16view bibitem = u"\\bibitem";
    Insertion out;
    out.begin = u"\r\n";
    out.begin += indent;
    if (rest.substr(0, item.size()) == item) {
        char16_t next = rest.size() > item.size() ? rest[item.size()] : 0;
        out.begin += item;
        if (next == u' ') {
            out.begin += u" ";
        } else if (next == u'[') {
            out.begin += u"[";
            out.end = u"]";
        }
        return out;
    }
    if (rest.substr(0, bibitem.size()) == bibitem) {
        out.begin += bibitem;
        return out;
    }
    return std::nullopt;
}

bool run(const snippet::Target& target) {
    HostEditor& ed = target.editor;
    if (!snippet::canInsert(target)) return false;
    auto insertion = forLine(ed.GetLineText(ed.GetCaretPos(PosKind::Logical).y));
    if (!insertion) return false;
    EditorRedraw quiet(ed);
    ed.RunHostCommand(hostmsg::CmdCaretLineEnd);
    snippet::insertSnippet(target, insertion->begin, insertion->end, snippet::Wrap);
    return true;
}

} // namespace new_item
