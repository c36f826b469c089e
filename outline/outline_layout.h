// Where the outline window's controls go, and how its stored settings
// read back: the depth box and toolbar on top, the tree in the middle and
// the comment box at the bottom, with a splitter band between the two.
#pragma once
#include <cstdint>

namespace outline_layout {

struct Box {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    int32_t width() const { return right - left; }
    int32_t height() const { return bottom - top; }
    friend bool operator==(const Box&, const Box&) = default;
};

struct Input {
    int32_t clientWidth = 0, clientHeight = 0;
    int32_t depthBoxWidth = 0, depthBoxHeight = 0;
    int32_t buttonBottom = 0;      // bottom of the toolbar's first button
    int32_t commentHeight = 0;
};

struct Layout {
    Box toolbar, tree, comment;
    int32_t commentHeight = 0;     // reduced when the tree would be too small
};

constexpr int32_t Gap = 3;         // between tree and comment box
constexpr int32_t MinTree = 4;

Layout compute(const Input& in);

// The band in which a left click starts dragging the splitter.
bool inSplitter(const Layout& layout, int32_t y);
// Comment height after the mouse moved from y0 to y1 while dragging.
int32_t dragged(int32_t commentHeight, int32_t y0, int32_t y1);

// Stored "TreeDepth": an index 0..6; anything else reads as 0.
int32_t depthIndex(int32_t stored);
constexpr int32_t DepthChoices = 7;
constexpr int32_t DefaultDepthIndex = 3;
// Stored "CommentHeight": below 4 reads as 4.
int32_t commentHeight(int32_t stored);
constexpr int32_t DefaultCommentHeight = 50;

} // namespace outline_layout
