#include "outline/outline_layout.h"

#include <algorithm>

namespace outline_layout {

Layout compute(const Input& in) {
    Layout out;
    const int32_t top = std::max(in.depthBoxHeight, in.buttonBottom);
    int32_t comment = in.commentHeight;
    if (in.clientHeight - top - Gap - comment < MinTree) comment = in.clientHeight - top - Gap - MinTree;
    out.commentHeight = comment;
    out.toolbar = Box{in.depthBoxWidth + 1, 0, in.clientWidth, top};
    out.comment = Box{0, in.clientHeight - comment, in.clientWidth, in.clientHeight};
    out.tree = Box{0, top, in.clientWidth, out.comment.top - Gap};
    return out;
}

bool inSplitter(const Layout& layout, int32_t y) {
    return y >= layout.tree.top + 4 && y <= layout.comment.bottom - 6;
}

int32_t dragged(int32_t commentHeight, int32_t y0, int32_t y1) { return commentHeight + (y0 - y1); }

int32_t depthIndex(int32_t stored) { return stored >= 0 && stored < DepthChoices ? stored : 0; }

int32_t commentHeight(int32_t stored) { return std::max(stored, 4); }

} // namespace outline_layout
