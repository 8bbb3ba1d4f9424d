// The potential map and the field arrows against Coulomb's law, and the views as the frame and
// the computation draw them: the map, the arrows, the lines of equal flux, the exact
// equipotentials with their labels, and the charges' signs with the field lines' directions.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "picture/exact_equipotentials.h"
#include "picture/field_arrows.h"
#include "picture/field_lines.h"
#include "picture/field_views.h"
#include "picture/flux_lines.h"
#include "picture/potential_map.h"
#include "support/coulomb.h"
#include "support/recording_picture_box.h"
#include "support/scene.h"

namespace {

double potential(const ChargePair& c, double x, double y) {
    return 9 * (c.q1 / std::hypot(x + 0.5, y) + c.q2 / std::hypot(x - 0.5, y));
}

std::pair<double, double> field(const ChargePair& c, double x, double y) {
    double ex = 0, ey = 0;
    for (const auto& [q, cx] : {std::pair{c.q1, -0.5}, {c.q2, 0.5}}) {
        const double r = std::hypot(x - cx, y);
        ex += 9 * q * (x - cx) / (r * r * r);
        ey += 9 * q * y / (r * r * r);
    }
    return {ex, ey};
}

int channel(std::uint32_t colour, int shift) {
    return static_cast<int>(colour >> shift & 0xff);
}

TEST(PotentialMap, EveryPixelHasTheColourOfItsPotential) {
    struct Row {
        const char* name;
        double q1, q2, L;
        int width, height;
    };
    const Row rows[] = {
        {"defaults", 0.4, -0.1, 4, 515, 515},
        {"like negative, large", -0.7, -0.2, 7, 544, 544},
        {"opposite equal, small, not square", 0.5, -0.5, 1, 517, 530},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const ChargePair c{r.q1, r.q2, 0.5, 9};
        const PixelGrid grid = square_grid(r.L, r.width, r.height);
        const std::size_t stride = static_cast<std::size_t>(r.width) + 3;
        std::vector<std::uint32_t> image(stride * static_cast<std::size_t>(r.height), 0);
        const PotentialScale scale = potential_scale(c);
        fill_potential_map(c, scale, grid, image.data(), stride);
        int worst = 0;
        for (int j = 0; j < r.height; ++j) {
            for (int i = (j * 7) % 11; i < r.width; i += 11) {
                const double v = potential(c, grid.x_at(i), grid.y_at(j));
                const std::uint32_t want = potential_colour(scale.position(v));
                const std::uint32_t got = image[static_cast<std::size_t>(j) * stride + i];
                EXPECT_EQ(got >> 24, 0xffu);
                for (const int shift : {0, 8, 16}) {
                    worst = std::max(worst, std::abs(channel(got, shift) - channel(want, shift)));
                }
            }
        }
        EXPECT_LE(worst, 2);
        EXPECT_EQ(image[static_cast<std::size_t>(r.width)], 0u); // past the row: untouched
    }
}

TEST(PotentialMap, ScaleIsDivergingAndSymmetricLogarithmic) {
    const PotentialScale s = potential_scale({0.4, -0.1, 0.5, 9});
    // 9*0.4/0.05 = 72 V rounds up to 100 V; marks at 0 and 1, 10, 100 V either way.
    const std::vector<double> volts = {-100, -10, -1, 0, 1, 10, 100};
    const std::vector<LegendMark> legend = potential_legend(s);
    ASSERT_EQ(legend.size(), volts.size());
    for (std::size_t i = 0; i < volts.size(); ++i) {
        EXPECT_DOUBLE_EQ(legend[i].volts, volts[i]);
        EXPECT_EQ(legend[i].position, -legend[volts.size() - 1 - i].position); // odd
    }
    EXPECT_EQ(legend.back().position, 1);
    // Linear near 0, equal steps per decade far from it.
    EXPECT_NEAR(s.position(s.linear_volts / 100) / s.position(s.linear_volts / 1000), 10, 1e-3);
    EXPECT_NEAR(s.position(100) - s.position(10), s.position(10) - s.position(1), 1e-3);
    // Near-white at 0 V, warm above, cool below, further from white as |V| grows.
    const std::uint32_t zero = potential_colour(0);
    for (const int shift : {0, 8, 16}) {
        EXPECT_GE(channel(zero, shift), 245);
    }
    int last_depth = 0;
    for (double v = 0.05; v <= 100; v *= 2) {
        const std::uint32_t warm = potential_colour(s.position(v));
        const std::uint32_t cool = potential_colour(s.position(-v));
        EXPECT_GT(channel(warm, 16), channel(warm, 0)) << v;
        EXPECT_GT(channel(cool, 0), channel(cool, 16)) << v;
        const int depth = 3 * 255 - channel(warm, 0) - channel(warm, 8) - channel(warm, 16);
        EXPECT_GT(depth, last_depth) << v;
        last_depth = depth;
    }
}

TEST(FieldArrows, OneLengthAlongTheFieldOnASymmetricGrid) {
    struct Row {
        const char* name;
        double q1, q2, L;
        int pixels;
        bool mirror_x; // the discs are symmetric about the y axis too
    };
    const Row rows[] = {
        {"defaults", 0.4, -0.1, 4, 515, false},
        {"equal, small region", 0.3, 0.3, 1, 515, true},
        {"opposite equal, large region", 1, -1, 7, 544, true},
        {"single charge", 0, 0.8, 2.5, 515, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const ChargePair c{r.q1, r.q2, 0.5, 9};
        const FieldArrows result = field_arrows(c, square_grid(r.L, r.pixels, r.pixels));
        const double spacing_px = result.spacing / (2 * r.L / r.pixels);
        EXPECT_GE(spacing_px, 25);
        EXPECT_LE(spacing_px, 35);
        const long per_side = std::lround(2 * r.L / result.spacing);
        EXPECT_GE(result.arrows.size(), static_cast<std::size_t>(per_side * per_side - 4));
        std::set<std::pair<long, long>> cells;
        std::vector<std::pair<double, double>> by_strength;
        for (const FieldArrow& a : result.arrows) {
            const auto [ex, ey] = field(c, a.x, a.y);
            const double dx = a.tip_x - a.tail_x, dy = a.tip_y - a.tail_y;
            EXPECT_NEAR(std::hypot(dx, dy), result.length, 1e-12);
            EXPECT_NEAR((dx * ey - dy * ex) / (result.length * std::hypot(ex, ey)), 0, 1e-9);
            EXPECT_GT(dx * ex + dy * ey, 0);
            EXPECT_NEAR(a.strength, std::hypot(ex, ey), 1e-9 * a.strength);
            // Off the axes, half a spacing from them.
            const double i = a.x / result.spacing - 0.5, j = a.y / result.spacing - 0.5;
            EXPECT_NEAR(i, std::round(i), 1e-9);
            EXPECT_NEAR(j, std::round(j), 1e-9);
            cells.insert({std::lround(i), std::lround(j)});
            // Clear of each disc of radius |q|*r0.
            for (const auto& [q, cx] : {std::pair{r.q1, -0.5}, {r.q2, 0.5}}) {
                for (double t = 0; t <= 1; t += 0.05) {
                    EXPECT_GT(std::hypot(a.tail_x + t * dx - cx, a.tail_y + t * dy),
                              std::abs(q) * 0.05);
                }
            }
            by_strength.emplace_back(a.strength, a.shade);
        }
        for (const auto& [i, j] : cells) {
            EXPECT_TRUE(cells.count({i, -1 - j})) << i << ", " << j;
            if (r.mirror_x) {
                EXPECT_TRUE(cells.count({-1 - i, j})) << i << ", " << j;
            }
        }
        std::sort(by_strength.begin(), by_strength.end());
        EXPECT_EQ(by_strength.front().second, 0);
        EXPECT_EQ(by_strength.back().second, 1);
        for (std::size_t k = 1; k < by_strength.size(); ++k) {
            EXPECT_GE(by_strength[k].second, by_strength[k - 1].second);
        }
    }
}

// The views only add to the frame: the map's pixels first, over the whole scale; the arrows after
// the axes' names, three grey strokes each from the tip; the legend last, with the scale's values,
// and after «расчёт»'s lines.
TEST(FieldViews, MapUnderEverythingArrowsAfterTheFrameLegendOnTop) {
    FieldParams p;
    const auto frame = [&p](bool map, bool arrows) {
        p.views = {map, arrows, false};
        RecordingPictureBox pic;
        pic.pixel = 8.0f / 544;
        draw_frame(p, pic);
        return pic.calls;
    };
    const std::vector<DrawCall> plain = frame(false, false);
    for (const auto& [map, arrows] : {std::pair{true, false}, {false, true}, {true, true}}) {
        SCOPED_TRACE(testing::Message() << "map " << map << ", arrows " << arrows);
        const std::vector<DrawCall> calls = frame(map, arrows);
        const std::size_t first = map ? 2 : 1;
        ASSERT_GT(calls.size(), plain.size() + first);
        const DrawCall& m = calls[1];
        EXPECT_EQ(m.kind == DrawCall::Pixels && m.x1 == -4 && m.y1 == 4 && m.x2 == 4 && m.y2 == -4,
                  map);
        for (std::size_t i = 1; i < plain.size(); ++i) {
            ASSERT_EQ(calls[first + i - 1].kind, plain[i].kind) << i;
            EXPECT_EQ(calls[first + i - 1].x1, plain[i].x1) << i;
            EXPECT_EQ(calls[first + i - 1].colour, plain[i].colour) << i;
        }
        std::size_t i = first + plain.size() - 1;
        int strokes = 0;
        for (; i < calls.size() && calls[i].kind == DrawCall::Line; ++i, ++strokes) {
            const Colour c = calls[i].colour;
            EXPECT_TRUE(red_of(c) == green_of(c) && green_of(c) == blue_of(c));
            EXPECT_EQ(calls[i].x1, strokes % 3 == 0 ? calls[i].x1 : calls[i - strokes % 3].x2);
        }
        EXPECT_EQ(strokes % 3, 0);
        EXPECT_EQ(strokes > 600, arrows);
        std::vector<std::string> texts;
        int pixels = 0;
        for (; i < calls.size(); ++i) {
            pixels += calls[i].kind == DrawCall::Pixels;
            if (calls[i].kind == DrawCall::Text) {
                texts.push_back(calls[i].text);
            }
        }
        EXPECT_EQ(pixels, map ? 2 : 0); // the legend's panel and bar
        const std::vector<std::string> legend = {"φ, В", "-100", "-10", "-1",
                                                 "0",    "1",    "10",  "100"};
        EXPECT_EQ(texts, map ? legend : std::vector<std::string>{});
    }

    // «расчёт» leaves the legend for last, once, so that no line crosses it.
    p.views = {true, false, false};
    p.families = LineFamilies::Both;
    Scene s(p);
    s.pic.forget();
    s.compute();
    const std::vector<DrawCall>& calls = s.pic.calls;
    std::size_t last_line = 0, heading = 0, headings = 0;
    for (std::size_t i = 0; i < calls.size(); ++i) {
        if (calls[i].kind == DrawCall::Line && calls[i].colour == kFieldLineColour) {
            last_line = i;
        }
        if (calls[i].kind == DrawCall::Text && calls[i].text == "φ, В") {
            heading = i;
            ++headings;
        }
    }
    EXPECT_EQ(headings, 1);
    EXPECT_GT(last_line, 0u);
    EXPECT_GT(heading, last_line);
}

// The lines of equal flux as drawn: every segment beside its mirror image, in the field lines'
// colour or the separatrix's, traced to a quarter of the box's pixel, so that a picture exported
// at four times the size still holds every vertex within 0.05 of its pixels and every chord
// within 0.5.
TEST(FieldViews, FluxLinesDrawnInMirrorPairsToAQuarterPixel) {
    FieldParams p;
    p.half_width = 7;
    p.q1 = 1;
    p.q2 = -0.35;
    RecordingPictureBox pic;
    const double px = 14.0 / 544;
    pic.pixel = static_cast<float>(px);
    ChargeMarks marks;
    marks.charge_radius = 0.05;
    draw_flux_lines(p, marks, pic);
    const std::vector<DrawCall> lines = pic.of(DrawCall::Line);
    ASSERT_GT(lines.size(), 100u);
    ASSERT_EQ(lines.size() % 2, 0u);
    const ChargePair c = charge_pair(p);
    const FluxLevels levels = flux_levels(c, p.lines_per_charge);
    const auto off = [&](double x, double y, double level) {
        return 9 * std::abs(flux_function(c, x, y) - level) /
               (std::abs(y) * coulomb::field(p, x, y).magnitude()) / (px / 4);
    };
    double worst_vertex = 0, worst_chord = 0, level = 0;
    int separatrix = 0;
    for (std::size_t i = 0; i < lines.size(); i += 2) {
        const DrawCall& a = lines[i];
        const DrawCall& m = lines[i + 1];
        EXPECT_TRUE(m.x1 == a.x1 && m.y1 == -a.y1 && m.x2 == a.x2 && m.y2 == -a.y2) << i;
        EXPECT_TRUE(a.colour == kFieldLineColour || a.colour == kSeparatrixColour);
        separatrix += a.colour == kSeparatrixColour;
        if (i == 0 || lines[i - 2].x2 != a.x1 || lines[i - 2].y2 != a.y1) {
            // A new line: the separatrix from the axis, or a line of the nearest level.
            level = flux_function(c, a.x1, a.y1);
            for (const double l : levels.levels) {
                if (a.colour == kFieldLineColour && std::abs(l - level) < levels.step / 2) {
                    level = l;
                }
            }
        }
        for (int k = 0; k <= 8; ++k) {
            const double x = a.x1 + k / 8.0 * (a.x2 - a.x1), y = a.y1 + k / 8.0 * (a.y2 - a.y1);
            if (std::abs(y) > 2 * px) {
                double& worst = k == 8 ? worst_vertex : worst_chord;
                worst = std::max(worst, off(x, y, level));
            }
        }
    }
    EXPECT_LE(worst_vertex, 0.05);
    EXPECT_LE(worst_chord, 0.5);
    EXPECT_GT(separatrix, 0);
}

// «расчёт» on a box of 544 pixels that measures texts (7 pixels a character, 15 a line).
struct MeasuredPicture {
    FieldParams params;
    RecordingPictureBox pic;
    FieldPicture picture;
    RecordingDialogs dialogs;
    RecordingPlatform platform;
    std::optional<std::string> tip;
    double px;

    explicit MeasuredPicture(const FieldParams& inputs)
        : params(inputs), px(2 * inputs.half_width / 544) {
        pic.pixel = static_cast<float>(px);
        pic.char_width = 7.0f / 544;
        pic.line_height = 15.0f / 544;
        tip = compute_picture(params, picture, pic, dialogs, platform);
    }
    // The box of a text drawn with its top-left corner at (x, y).
    LabelBox box(const DrawCall& text) {
        return {text.x1, text.y1 - pic.text_height(text.text), text.x1 + pic.text_width(text.text),
                text.y1};
    }
    // The segments of one colour running into the box (shrunk by half a pixel).
    int crossing(Colour c, const LabelBox& b) const {
        int n = 0;
        for (const DrawCall& d : pic.of(DrawCall::Line, c)) {
            double t0 = 0, t1 = 0;
            n += clip_to_box({d.x1, d.y1}, {d.x2, d.y2}, b.grown(-px / 2), t0, t1);
        }
        return n;
    }
};

// A label's value: "2 В", "−0.5 В" (a minus sign U+2212); nothing for any other text.
std::optional<double> label_value(const std::string& text) {
    const std::string unit = " В", minus = "\u2212";
    if (text.size() <= unit.size() || text.compare(text.size() - unit.size(), unit.size(), unit)) {
        return std::nullopt;
    }
    std::string number = text.substr(0, text.size() - unit.size());
    const bool negative = number.rfind(minus, 0) == 0;
    if (negative) {
        number = number.substr(minus.size());
    }
    char* end = nullptr;
    const double v = std::strtod(number.c_str(), &end);
    if (number.empty() || *end != 0 || number[0] == '-') {
        return std::nullopt;
    }
    return negative ? -v : v;
}

// The exact equipotentials as «расчёт» draws them: blue polylines, no dots; about as many levels
// as asked, where there is room for them; each label's value a round level, 0 or the zero-field
// point's potential (to three digits) and
// its anchor, the middle of its box, within a pixel of that level; the labels apart from each
// other, from the frame's texts, the legend and the charges; no line, blue or red, through a
// label; the level of the zero-field point (the figure-eight of like charges) through it.
TEST(FieldViews, ExactEquipotentialsLabelledInGapsOfTheirLines) {
    struct Row {
        const char* name;
        double q1, q2, L;
        LineFamilies families;
        bool map, flux, marks;
        double asked;             // levels
        std::size_t fewest, most; // levels labelled
    };
    const Row rows[] = {
        {"defaults", 0.4, -0.1, 4, LineFamilies::Both, false, false, false, 11, 7, 12},
        {"defaults, three levels asked", 0.4, -0.1, 4, LineFamilies::Both, false, false, false, 3,
         3, 4},
        {"like: figure-eight", 0.4, 0.4, 4, LineFamilies::Both, false, false, true, 11, 6, 12},
        {"large region, map and flux", 1, -0.35, 7, LineFamilies::Both, true, true, true, 11, 7,
         12},
        {"opposite equal: zero on the y axis", 0.5, -0.5, 2, LineFamilies::Equipotentials, false,
         false, false, 11, 7, 12},
        {"single charge, small region", 0, -0.8, 1, LineFamilies::Both, false, false, true, 11, 6,
         12},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        FieldParams p;
        p.q1 = r.q1;
        p.q2 = r.q2;
        p.half_width = r.L;
        p.families = r.families;
        p.views = {r.map, false, r.flux, true, r.marks};
        p.level_intervals = r.asked;
        MeasuredPicture m(p);
        EXPECT_EQ(m.tip, "уровни подписаны на линиях");
        EXPECT_TRUE(m.pic.of(DrawCall::Dot, kEquipotentialColour).empty());
        const auto blue = m.pic.of(DrawCall::Line, kEquipotentialColour);
        ASSERT_GT(blue.size(), 50u);
        const ZeroFieldLevel saddle = zero_field_level(charge_pair(p));
        std::vector<LabelBox> taken = frame_texts(p, m.pic).boxes();
        if (r.map) {
            taken.push_back(potential_legend_box(p, m.pic));
        }
        std::vector<LabelBox> labels;
        std::set<double> levels;
        for (const DrawCall& t : m.pic.of(DrawCall::Text)) {
            const std::optional<double> v = label_value(t.text);
            if (!v) {
                continue;
            }
            levels.insert(*v);
            SCOPED_TRACE(t.text);
            const bool round = *v == 0 || round_series_of(std::abs(*v)) != 0;
            EXPECT_TRUE(round || (saddle.exists &&
                                  std::abs(*v - saddle.volts) <= 0.005 * std::abs(saddle.volts)));
            const LabelBox b = m.box(t);
            const PlanePoint anchor = b.centre();
            const double level = round ? *v : saddle.volts;
            EXPECT_LE(std::abs(coulomb::potential(p, anchor.x, anchor.y) - level) /
                          coulomb::field(p, anchor.x, anchor.y).magnitude(),
                      m.px);
            for (const LabelBox& other : labels) {
                EXPECT_FALSE(b.overlaps(other));
            }
            for (const LabelBox& other : taken) {
                EXPECT_FALSE(b.overlaps(other));
            }
            for (const auto& [q, x] : {std::pair{p.q1, -0.5}, std::pair{p.q2, 0.5}}) {
                const double disc = r.marks ? kChargeMarkPixels * m.px : std::abs(q) * 0.05;
                EXPECT_FALSE((Disc{x, 0, disc}.overlaps(b)));
            }
            EXPECT_EQ(m.crossing(kEquipotentialColour, b), 0);
            EXPECT_EQ(m.crossing(kFieldLineColour, b), 0);
            labels.push_back(b);
        }
        EXPECT_GE(levels.size(), r.fewest);
        EXPECT_LE(levels.size(), r.most);
        // The level of the zero-field point leaves it along two branches, and their mirrors.
        if (saddle.exists && std::abs(saddle.x) < r.L) {
            EXPECT_EQ(std::count_if(blue.begin(), blue.end(),
                                    [&](const DrawCall& d) {
                                        return d.x1 == static_cast<float>(saddle.x) && d.y1 == 0;
                                    }),
                      4);
        }
    }
}

// The charges' signs: a disc of 7 pixels for each charge (red, blue, grey for none) with a white
// sign, drawn again over the lines; the tick labels it would cover below it; and an arrowhead of
// two 7-pixel strokes on every field line's piece, its tip ahead along E.
TEST(FieldViews, ChargeSignsOverTheLinesAndArrowheadsAlongTheField) {
    struct Row {
        const char* name;
        double q1, q2;
        bool flux;
        int arrowheads; // at least
    };
    const Row rows[] = {
        {"defaults, prescribed lines", 0.4, -0.1, false, 24},
        {"like, lines of equal flux", 0.3, 0.6, true, 18},
        {"one charge zero", 0, 0.8, false, 12},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        FieldParams p;
        p.q1 = r.q1;
        p.q2 = r.q2;
        p.views.flux_lines = r.flux;
        p.views.charge_marks = true;
        MeasuredPicture m(p);
        const double radius = kChargeMarkPixels * m.px;
        const std::vector<DrawCall> discs = m.pic.of(DrawCall::Circle);
        ASSERT_EQ(discs.size(), 4u); // with the frame, and over the lines
        std::size_t last_line = 0;
        for (std::size_t i = 0; i < m.pic.calls.size(); ++i) {
            const DrawCall& c = m.pic.calls[i];
            if (c.kind == DrawCall::Line && c.colour != kChargeSignColour) {
                last_line = i;
            }
        }
        EXPECT_EQ(m.pic.calls[last_line + 1].kind, DrawCall::Circle);
        for (std::size_t i = 0; i < 4; ++i) {
            const double q = i % 2 == 0 ? r.q1 : r.q2;
            EXPECT_FLOAT_EQ(discs[i].x1, i % 2 == 0 ? -0.5f : 0.5f);
            EXPECT_FLOAT_EQ(discs[i].r, static_cast<float>(radius));
            EXPECT_TRUE(discs[i].filled);
            EXPECT_EQ(discs[i].fill_colour, q > 0   ? kPositiveColour
                                            : q < 0 ? kNegativeColour
                                                    : kZeroChargeColour);
        }
        // A plus is two white strokes, a minus one; none on a zero charge; twice each.
        const auto signs = m.pic.of(DrawCall::Line, kChargeSignColour);
        const auto strokes = [](double q) { return q > 0 ? 2 : q < 0 ? 1 : 0; };
        EXPECT_EQ(signs.size(), 2u * (strokes(r.q1) + strokes(r.q2)));
        // The tick labels of x at the charges, a quarter tick left of them.
        int moved = 0;
        for (const DrawCall& t : m.pic.of(DrawCall::Text)) {
            if ((t.text == "-0.5" && std::abs(t.x1 + 0.5625f) < 1e-6f) ||
                (t.text == "0.5" && std::abs(t.x1 - 0.4375f) < 1e-6f)) {
                ++moved;
                EXPECT_LT(t.y1, -radius) << t.text;
            }
        }
        EXPECT_EQ(moved, 2);
        // The arrowheads: pairs of strokes of one length from one tip.
        const auto red = m.pic.of(DrawCall::Line);
        int heads = 0;
        for (std::size_t i = 0; i + 1 < red.size(); ++i) {
            const DrawCall &a = red[i], &b = red[i + 1];
            const auto length = [](const DrawCall& d) {
                return std::hypot(d.x2 - d.x1, d.y2 - d.y1);
            };
            if (a.x1 != b.x1 || a.y1 != b.y1 || a.colour == kChargeSignColour ||
                std::abs(length(a) - kArrowheadPixels * m.px) > 1e-4 ||
                std::abs(length(b) - kArrowheadPixels * m.px) > 1e-4) {
                continue;
            }
            ++heads;
            ++i;
            const coulomb::Field e = coulomb::field(p, a.x1, a.y1);
            const double back_x = (a.x2 + b.x2) / 2 - a.x1, back_y = (a.y2 + b.y2) / 2 - a.y1;
            EXPECT_LT((back_x * e.ex + back_y * e.ey) /
                          (std::hypot(back_x, back_y) * e.magnitude()),
                      -0.99);
        }
        EXPECT_GE(heads, r.arrowheads);
    }
}

// A level's label: its value to three significant digits with the unit, a minus sign U+2212
// below zero, the locale's separator; the round levels are those of the 1-2-5 series, then of
// 1-1.5-2-3-5-7, then 4, 6 and 8 times a power of ten, told apart from their neighbours as the
// doubles nearest the decimals.
TEST(FieldViews, LevelLabelsAndTheRoundSeries) {
    struct Row {
        double volts;
        const char* separator;
        const char* label;
        int series;
    };
    const Row rows[] = {
        {2, ".", "2 В", 1},
        {-0.5, ".", "\u22120.5 В", 1},
        {-0.5, ",", "\u22120,5 В", 1},
        {0.02, ".", "0.02 В", 1},
        {0.001, ".", "0.001 В", 1},
        {500, ".", "500 В", 1},
        {14.4, ".", "14.4 В", 0},   // like charges 0.4 nC: the zero-field point's
        {1.50106, ".", "1.5 В", 0}, // three digits
        {-0.0123456, ".", "\u22120.0123 В", 0},
        {0.3, ".", "0.3 В", 2},
        {0.15, ".", "0.15 В", 2},
        {70, ".", "70 В", 2},
        {-0.8, ".", "\u22120.8 В", 3},
        {0.9, ".", "0.9 В", 0},
        {0, ".", "0 В", 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.volts);
        FieldParams p;
        p.decimal_separator = r.separator;
        EXPECT_EQ(equipotential_label(r.volts, p), r.label);
        EXPECT_EQ(round_series_of(std::abs(r.volts)), r.series);
    }
    EXPECT_EQ(round_series_of(std::nextafter(0.2, 1.0)), 0);
    EXPECT_EQ(round_series_of(std::nextafter(0.15, 1.0)), 0);
    EXPECT_EQ(decade_of(0.999999), -1);
    EXPECT_EQ(decade_of(1000), 3);
}

} // namespace
