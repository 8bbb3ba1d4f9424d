// The list of what a picture box drew: order, the scale in force, and the limit on what it keeps.
#include <gtest/gtest.h>

#include "picture/display_list.h"

TEST(DisplayList, KeepsOrderScaleAndLimit) {
    DisplayList list(4);
    list.scale(-4, 4, 4, -4);
    list.clear(); // a clear keeps the scale in force as the first primitive
    list.line(0, 0, 1, 1, RGB(200, 0, 0), 0);
    list.text(1, 2, 0, "x, м");
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list.ops()[0].kind, DrawOp::Kind::Scale);
    EXPECT_EQ(list.ops()[0].c, 4);
    EXPECT_EQ(list.ops()[1].width, 1); // a width below 1 draws 1 pixel wide
    EXPECT_EQ(list.text_of(list.ops()[2]), "x, м");
    EXPECT_EQ(list.painted(3), 3u);
    EXPECT_TRUE(list.complete());

    // Past its limit the list keeps only what is not painted yet, after the scale in force.
    list.scale(0, 1, 1, 0);
    list.dot(0.5f, 0.5f, 0, 2);
    list.dot(0.25f, 0.25f, 0, 2);
    EXPECT_EQ(list.painted(5), 1u);
    EXPECT_FALSE(list.complete());
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list.ops()[0].kind, DrawOp::Kind::Scale);
    EXPECT_EQ(list.ops()[0].a, 0);
    EXPECT_EQ(list.ops()[1].a, 0.25f);
    list.clear();
    EXPECT_TRUE(list.complete());
}
