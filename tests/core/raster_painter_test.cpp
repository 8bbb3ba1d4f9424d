// A display list painted into a plain pixel buffer: the scale maps user coordinates onto the
// picture, the pixels of lines, dots, circles and the map land where the primitives are, the
// texts go to the face in their place in the order, and what the painting does not draw goes to
// the face too, after which the face settles before any pixel is written.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "raster/raster_painter.h"
#include "support/raster_canvas.h"

namespace {

// Remembers what it is handed, in order.
class RecordingFace : public RasterFace {
  public:
    std::vector<std::string> calls;

    void text(std::string_view text, PixelPoint at, Colour) override {
        record("text " + std::string(text), at);
    }
    void segment(PixelPoint from, PixelPoint, Colour, int width) override {
        record("segment " + std::to_string(width), from);
    }
    void dot(PixelPoint corner, int width, Colour) override {
        record("dot " + std::to_string(width), corner);
    }
    void circle(PixelPoint centre, double radius, const DrawOp&) override {
        record("circle " + std::to_string(static_cast<int>(radius)), centre);
    }
    void settle() override { calls.push_back("settle"); }

  private:
    void record(const std::string& what, PixelPoint at) {
        calls.push_back(what + " at " + std::to_string(static_cast<int>(std::floor(at.x))) + "," +
                        std::to_string(static_cast<int>(std::floor(at.y))));
    }
};

// Each pixel coloured by the user coordinates of its centre: x in red, y in green (0..255 for
// -1..1).
class Coordinates : public PixelColours {
  public:
    void colour(const PixelGrid& grid, std::uint32_t* pixels, std::size_t stride) const override {
        for (int j = 0; j < grid.height; ++j) {
            for (int i = 0; i < grid.width; ++i) {
                const auto level = [](double v) {
                    return static_cast<std::uint32_t>(std::lround((v + 1) * 127.5));
                };
                pixels[j * stride + i] =
                    0xff000000u | level(grid.x_at(i)) << 16 | level(grid.y_at(j)) << 8;
            }
        }
    }
};

constexpr Colour kRed = rgb(200, 0, 0);

// The square [-1, 1]^2, y upward, on a picture 40 x 40 pixels.
DisplayList square_list() {
    DisplayList list;
    list.scale(-1, 1, 1, -1);
    list.clear();
    return list;
}

TEST(RasterPainter, PutsThePrimitivesWhereTheScaleSays) {
    DisplayList list = square_list();
    list.pixels(-1, 1, 0, 0, std::make_shared<Coordinates>()); // the top-left quarter
    list.line(0.125f, -0.5f, 0.875f, -0.5f, kRed, 1);          // (22.5, 30) to (37.5, 30)
    list.dot(0.5f, 0.5f, rgb(0, 0, 200), 3);                   // at (30, 10)
    list.text(-0.5f, -0.25f, 0, "x, м");
    list.circle(0, 0, 0.25f, rgb(0, 200, 0), 1, true, rgb(0, 200, 0));
    Canvas c(40, 40);
    RecordingFace face;
    RasterPainter painter(c.image(), {40, 40}, face, RasterKinds{});
    painter.paint(list, 0, list.size());

    // The map: the pixels of the top-left quarter, each coloured at its own centre.
    EXPECT_EQ(c.at(0, 0), 0xff000000u | 3u << 16 | 252u << 8);     // (-0.975, 0.975)
    EXPECT_EQ(c.at(19, 10), 0xff000000u | 124u << 16 | 188u << 8); // (-0.025, 0.475)
    EXPECT_EQ(c.at(10, 19), 0xff000000u | 67u << 16 | 131u << 8);  // (-0.475, 0.025)
    EXPECT_EQ(c.at(20, 10), Canvas::kBackground);
    EXPECT_EQ(c.at(10, 20), Canvas::kBackground);
    // The line's pixels: row 30, from x = 22 to 37 (half a pixel of cap at either end).
    EXPECT_EQ(c.count(pixel_word(kRed)), 16);
    EXPECT_EQ(c.at(22, 30), pixel_word(kRed));
    EXPECT_EQ(c.at(37, 30), pixel_word(kRed));
    // The dot: a square three pixels wide about (30, 10).
    EXPECT_EQ(c.count(pixel_word(rgb(0, 0, 200))), 9);
    EXPECT_EQ(c.at(29, 9), pixel_word(rgb(0, 0, 200)));
    EXPECT_EQ(c.at(31, 11), pixel_word(rgb(0, 0, 200)));
    // The circle of radius 5 pixels about the middle, filled, over the map's corner.
    const int green = c.count(pixel_word(rgb(0, 200, 0)));
    EXPECT_GT(green, 60);
    EXPECT_LT(green, 120);
    EXPECT_EQ(c.at(17, 17), pixel_word(rgb(0, 200, 0)));
    // The text went to the face, at its top-left corner in pixels.
    EXPECT_EQ(face.calls, (std::vector<std::string>{"text x, м at 10,25", "settle"}));
}

// Segments with coordinates that are not finite or lie beyond a million pixels, dots that far
// and circles reaching far beyond the picture go to the face; a circle smaller than a pixel is
// its one pixel; kinds the painting does not draw go to the face whole. The face settles what
// it has before the painting writes pixels again.
TEST(RasterPainter, LeavesToTheFaceWhatItDoesNotDraw) {
    DisplayList list = square_list();
    list.line(0, 0, 1e7f, 0, kRed, 1);
    list.line(0, 0, 0.5f, 0.5f, kRed, 2);
    list.dot(2e6f, 0, kRed, 2);
    list.circle(0, 0, 100, kRed, 2, false, 0);
    list.circle(-0.5f, -0.5f, 0.01f, kRed, 1, false, 0); // 0.2 pixels, at (10, 30)
    Canvas c(40, 40);
    RecordingFace face;
    RasterPainter painter(c.image(), {40, 40}, face, RasterKinds{});
    painter.paint(list, 0, list.size());
    EXPECT_EQ(face.calls,
              (std::vector<std::string>{"segment 1 at 20,20", "settle", "dot 2 at 40000019,19",
                                        "settle", "circle 2000 at 20,20", "settle"}));
    EXPECT_GT(c.count(pixel_word(kRed)), 2 * 14); // the wide line
    EXPECT_EQ(c.at(10, 30), pixel_word(kRed));    // the tiny circle

    RecordingFace all;
    Canvas blank(40, 40);
    RasterPainter none(blank.image(), {40, 40}, all, RasterKinds{false, false, false});
    DisplayList some = square_list();
    some.line(-0.5f, 0, 0.5f, 0, kRed, 1);
    some.line(-0.5f, 0, 0.5f, 0, kRed, 3);
    some.circle(0, 0, 0.5f, kRed, 1, true, kRed);
    none.paint(some, 0, some.size());
    EXPECT_EQ(all.calls, (std::vector<std::string>{"segment 1 at 10,20", "segment 3 at 10,20",
                                                   "circle 10 at 20,20"}));
    EXPECT_EQ(blank.drawn(), 0);
}

// The scale carries over from one painting of a list to the next.
TEST(RasterPainter, KeepsTheScaleBetweenPaintings) {
    DisplayList list = square_list();
    list.scale(0, 0, 40, 40);
    list.dot(10.5f, 10.5f, kRed, 1);
    Canvas c(40, 40);
    RecordingFace face;
    RasterPainter first(c.image(), {40, 40}, face, RasterKinds{});
    first.paint(list, 0, 2);
    RasterPainter second(c.image(), {40, 40}, face, RasterKinds{});
    second.set_scale(first.scale());
    second.paint(list, 2, 3);
    EXPECT_EQ(c.pixels(pixel_word(kRed)), (std::set<std::pair<int, int>>{{10, 10}}));
}

} // namespace
