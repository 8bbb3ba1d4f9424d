// The picture box's drawing calls: where each leaves the current position, and what it refuses.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>

#include "support/recording_picture_box.h"

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

struct Call {
    const char* name;
    std::function<void(PictureBox&)> call;
    float x, y;           // the position afterwards
    std::size_t rejected; // calls refused
    std::size_t recorded; // calls handed to the box
};

// On a scale from (-2, 3) to (6, -1) with text lines 0.25 of its height (1 unit, downward), the
// position starting at (1, 1).
TEST(PictureBox, EveryCallMovesThePositionAsStated) {
    const PictureBox::Segment two[] = {{0, 0, 1, 2, 5}, {1, 2, 3, 4, 5}};
    const PictureBox::Segment gap[] = {{0, 0, 1, 2, 5}, {kNaN, 0, 1, 1, 5}, {1, 2, 3, 4, 5}};
    const PictureBox::Segment none[] = {{kInf, 0, 1, 1, 5}};
    struct White : PixelColours {
        void colour(const PixelGrid&, std::uint32_t*, std::size_t) const override {}
    };
    const auto white = std::make_shared<White>();
    const Call calls[] = {
        {"scale", [](PictureBox& p) { p.set_scale(0, 10, 20, 0); }, 0, 10, 0, 1},
        {"scale without width", [](PictureBox& p) { p.set_scale(5, 10, 5, 0); }, 1, 1, 1, 0},
        {"scale without height", [](PictureBox& p) { p.set_scale(0, 7, 20, 7); }, 1, 1, 1, 0},
        {"scale at infinity", [](PictureBox& p) { p.set_scale(0, kInf, 20, 0); }, 1, 1, 1, 0},
        {"clear", [](PictureBox& p) { p.clear(); }, -2, 3, 0, 1},
        {"line", [](PictureBox& p) { p.line(0, 0, 4, -0.5f, 7); }, 4, -0.5f, 0, 1},
        {"line to no number", [](PictureBox& p) { p.line(0, 0, kNaN, 2, 7); }, 1, 1, 1, 0},
        {"lines", [&two](PictureBox& p) { p.lines(two, 2); }, 3, 4, 0, 2},
        {"lines with a gap", [&gap](PictureBox& p) { p.lines(gap, 3); }, 3, 4, 1, 2},
        {"lines all refused", [&none](PictureBox& p) { p.lines(none, 1); }, 1, 1, 1, 0},
        {"dot", [](PictureBox& p) { p.dot(2, 2.5f); }, 2, 2.5f, 0, 1},
        {"dot in a colour", [](PictureBox& p) { p.dot(-1, 0, 9); }, -1, 0, 0, 1},
        {"dot at infinity", [](PictureBox& p) { p.dot(-kInf, 0, 9); }, 1, 1, 1, 0},
        {"circle", [](PictureBox& p) { p.circle(3, -0.25f, 1, 9); }, 3, -0.25f, 0, 1},
        {"circle of no radius", [](PictureBox& p) { p.circle(3, 0, kNaN, 9); }, 1, 1, 1, 0},
        {"text", [](PictureBox& p) { p.text("a"); }, -2, 0, 0, 1},
        {"pixels", [&white](PictureBox& p) { p.colour_pixels(0, 2, 4, -1, white); }, 1, 1, 0, 1},
        {"pixels to no number", [&white](PictureBox& p) { p.colour_pixels(0, 2, kNaN, -1, white); },
         1, 1, 1, 0},
        {"pixels of no colours", [](PictureBox& p) { p.colour_pixels(0, 2, 4, -1, nullptr); }, 1, 1,
         1, 0},
        {"text at no number",
         [](PictureBox& p) {
             p.current_x = kNaN;
             p.text("a");
         },
         kNaN, 1, 1, 0},
    };
    for (const Call& c : calls) {
        SCOPED_TRACE(c.name);
        RecordingPictureBox pic;
        pic.line_height = 0.25f;
        pic.set_scale(-2, 3, 6, -1);
        pic.forget();
        pic.current_x = 1;
        pic.current_y = 1;
        c.call(pic);
        if (std::isnan(c.x)) {
            EXPECT_TRUE(std::isnan(pic.current_x));
        } else {
            EXPECT_EQ(pic.current_x, c.x);
        }
        EXPECT_EQ(pic.current_y, c.y);
        EXPECT_EQ(pic.rejected(), c.rejected);
        EXPECT_EQ(pic.calls.size(), c.recorded);
    }
}

// A text is drawn where the position was; a box that cannot measure text leaves y as it was, -0
// too, and two texts in a row then stand on one line.
TEST(PictureBox, TextsStandWhereThePositionWas) {
    RecordingPictureBox pic;
    pic.line_height = 0;
    pic.set_scale(-2, 3, 6, -1);
    pic.current_x = 1;
    pic.current_y = -0.0f;
    pic.text("first");
    pic.current_x = 4;
    pic.text("second");
    const auto texts = pic.of(DrawCall::Text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].x1, 1);
    EXPECT_EQ(texts[1].x1, 4);
    EXPECT_TRUE(std::signbit(texts[1].y1));
    EXPECT_EQ(pic.current_x, -2);
}

} // namespace
