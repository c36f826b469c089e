#include "frame/jump.h"
#include "frame/host_messages.h"

#include <algorithm>

namespace jump {

void jumpTo(HostEditor& editor, Position logical, std::optional<int32_t> document) {
    if (document) {
        intptr_t index = editor.GetDocumentInfo(hostmsg::DocIndexOfHandle, 0, *document);
        if (index >= 0) editor.GetDocumentInfo(hostmsg::DocActivate, static_cast<int32_t>(index) + 1, 0);
    }
    Position view = editor.LogicalToViewPos(logical);
    editor.SetScrollPos(Position{0, std::max<int32_t>(0, view.y - ContextLines)});
    editor.SetCaretPos(PosKind::Logical, logical);
}

int32_t activeDocument(HostEditor& editor) {
    intptr_t index = editor.GetDocumentInfo(hostmsg::DocActiveIndex, 0, 0);
    if (index < 0) return 0;
    return static_cast<int32_t>(editor.GetDocumentInfo(hostmsg::DocHandle, 0, index));
}

bool holdsDocument(HostEditor& editor, int32_t document) {
    intptr_t count = editor.GetDocumentInfo(hostmsg::DocCount, 0, 0);
    for (intptr_t i = 0; i < count; ++i)
        if (editor.GetDocumentInfo(hostmsg::DocHandle, 0, i) == document) return true;
    return false;
}

} // namespace jump
