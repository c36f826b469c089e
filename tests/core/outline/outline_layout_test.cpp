#include "outline/outline_layout.h"

#include <gtest/gtest.h>

namespace {
using namespace outline_layout;

Input window(int32_t height, int32_t comment) {
    Input in;
    in.clientWidth = 300;
    in.clientHeight = height;
    in.depthBoxWidth = 80;
    in.depthBoxHeight = 21;
    in.buttonBottom = 24;
    in.commentHeight = comment;
    return in;
}

} // namespace

TEST(OutlineLayout, ToolbarTreeAndCommentShareTheClientArea) {
    Layout l = compute(window(400, 50));
    EXPECT_EQ(l.toolbar, (Box{81, 0, 300, 24}));            // taller of button and box
    EXPECT_EQ(l.comment, (Box{0, 350, 300, 400}));
    EXPECT_EQ(l.tree, (Box{0, 24, 300, 347}));              // 3-pixel gap above the comment
    EXPECT_EQ(l.commentHeight, 50);

    Input tallBox = window(400, 50);
    tallBox.depthBoxHeight = 30;
    EXPECT_EQ(compute(tallBox).tree.top, 30);
}

TEST(OutlineLayout, CommentShrinksSoTheTreeKeepsFourPixels) {
    Layout l = compute(window(100, 90));
    EXPECT_EQ(l.commentHeight, 100 - 24 - 7);
    EXPECT_EQ(l.tree.height(), MinTree);
    EXPECT_EQ(l.comment.top - l.tree.bottom, Gap);
    EXPECT_EQ(l.comment.bottom, 100);
    // Exactly enough room: nothing changes.
    EXPECT_EQ(compute(window(24 + 3 + 4 + 60, 60)).commentHeight, 60);
}

TEST(OutlineLayout, SplitterBandAndDrag) {
    Layout l = compute(window(400, 50));
    EXPECT_FALSE(inSplitter(l, 27));
    EXPECT_TRUE(inSplitter(l, 28));
    EXPECT_TRUE(inSplitter(l, 348));
    EXPECT_TRUE(inSplitter(l, 394));
    EXPECT_FALSE(inSplitter(l, 395));
    EXPECT_EQ(dragged(50, 348, 300), 98);   // upwards enlarges the comment box
    EXPECT_EQ(dragged(50, 348, 358), 40);
}

TEST(OutlineLayout, StoredValuesAreNormalised) {
    EXPECT_EQ(depthIndex(0), 0);
    EXPECT_EQ(depthIndex(6), 6);
    EXPECT_EQ(depthIndex(9), 0);
    EXPECT_EQ(depthIndex(7), 0);
    EXPECT_EQ(depthIndex(-1), 0);
    EXPECT_EQ(commentHeight(3), 4);
    EXPECT_EQ(commentHeight(-20), 4);
    EXPECT_EQ(commentHeight(4), 4);
    EXPECT_EQ(commentHeight(120), 120);
}
