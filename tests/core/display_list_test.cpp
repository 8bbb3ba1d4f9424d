// The list of what a picture box drew: order, the scale in force, and the limit on what it keeps.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "base/display_list.h"

TEST(DisplayList, KeepsOrderScaleAndLimit) {
    DisplayList list(6); // primitives and points of lines
    list.scale(-4, 4, 4, -4);
    list.clear(); // a clear keeps the scale in force as the first primitive
    list.line(0, 0, 1, 1, rgb(200, 0, 0), 0);
    list.text(1, 2, 0, "x, м");
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list.ops()[0].kind, DrawOp::Kind::Scale);
    EXPECT_EQ(list.ops()[0].c, 4);
    EXPECT_EQ(list.ops()[1].width, 1); // a width below 1 draws 1 pixel wide
    EXPECT_EQ(list.text_of(list.ops()[2]), "x, м");
    EXPECT_EQ(list.painted(3), 3u);
    EXPECT_TRUE(list.complete());

    // Past its limit the list keeps only what is not painted yet, after the scale in force.
    // Pixels keep their rectangle and the source of their colours.
    struct Grey : PixelColours {
        void colour(const PixelGrid&, std::uint32_t*, std::size_t) const override {}
    };
    const auto grey = std::make_shared<Grey>();
    DisplayList pixels;
    pixels.clear();
    pixels.pixels(-1, 2, 3, -4, grey);
    ASSERT_EQ(pixels.size(), 2u);
    const DrawOp& op = pixels.ops()[1];
    EXPECT_EQ(op.kind, DrawOp::Kind::Pixels);
    EXPECT_EQ(pixels.source_of(op), grey.get());
    EXPECT_EQ(op.d, -4);
    EXPECT_EQ(pixels.source_of(list.ops()[1]), nullptr); // a line has no source
    pixels.clear();
    EXPECT_EQ(grey.use_count(), 1); // forgotten with the list

    list.scale(0, 1, 1, 0);
    list.dot(0.5f, 0.5f, 0, 2);
    list.dot(0.25f, 0.25f, 0, 2);
    EXPECT_EQ(list.painted(5), 1u);
    EXPECT_FALSE(list.complete());
    ASSERT_EQ(list.size(), 2u);
    EXPECT_TRUE(list.points().empty()); // the points of the line went with it
    EXPECT_EQ(list.ops()[0].kind, DrawOp::Kind::Scale);
    EXPECT_EQ(list.ops()[0].a, 0);
    EXPECT_EQ(list.ops()[1].a, 0.25f);
    list.clear();
    EXPECT_TRUE(list.complete());
}

// Lines are kept as runs: a traced curve, or two curves traced side by side, is one primitive.
// Whatever the order of the segments, reading the runs back gives them all, in that order.
TEST(DisplayList, GivesBackTheSegmentsOfItsRuns) {
    struct Seg {
        float x1, y1, x2, y2;
        Colour c;
        int width;
        bool operator==(const Seg&) const = default;
    };
    const Colour red = rgb(255, 0, 0), blue = rgb(0, 0, 255);
    // A curve; a curve and its mirror image, the mirror's last turn missed; a width, a colour
    // and a painting between; unconnected segments paired; -0 is not 0.
    const std::vector<Seg> drawn = {
        {0, 0, 1, 0, red, 1},    {1, 0, 1, 1, red, 1},   {1, 1, 2, 1, red, 1},
        {0, 0, 1, 1, blue, 1},   {0, 0, 1, -1, blue, 1}, {1, 1, 2, 2, blue, 1},
        {1, -1, 2, -2, blue, 1}, {2, 2, 3, 3, blue, 1},  {3, 3, 4, 4, blue, 1},
        {4, 4, 5, 5, blue, 2},   {5, 5, 6, 6, red, 2},   {6, 6, 7, 7, red, 2},
        {9, 9, 8, 8, red, 2},    {7, 7, 0, 0, red, 2},   {0, 0, 0, 0, red, 2},
        {-0.f, 0, 1, 1, red, 2}, {1, 1, 1, 1, red, 2}};
    DisplayList list;
    list.clear();
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        const Seg& s = drawn[i];
        if (i == 11) {
            list.painted(list.size()); // a painted run takes no more segments
        }
        if (i < 12) {
            list.line(s.x1, s.y1, s.x2, s.y2, s.c, s.width);
        } else {
            const PictureBox::Segment one{s.x1, s.y1, s.x2, s.y2, s.c};
            list.lines(&one, 1, s.width);
        }
    }
    std::vector<Seg> read;
    std::vector<int> counts;
    for (const DrawOp& op : list.ops()) {
        if (op.kind != DrawOp::Kind::Line) {
            continue;
        }
        counts.push_back(static_cast<int>(op.curves * 100 + op.count));
        list.for_each_segment(op, [&](ListPoint from, ListPoint to) {
            read.push_back({from.x, from.y, to.x, to.y, op.colour, op.width});
        });
    }
    EXPECT_EQ(read, drawn);
    EXPECT_EQ(counts, (std::vector<int>{103, 205, 101, 101, 101, 203, 202, 101}));
    EXPECT_EQ(list.primitives(), drawn.size());
    const PictureBox::Segment off_scale{1, 1, std::nanf(""), 2, red};
    EXPECT_EQ(list.lines(&off_scale, 1, 2), nullptr); // left out
    EXPECT_EQ(list.primitives(), drawn.size());
}
