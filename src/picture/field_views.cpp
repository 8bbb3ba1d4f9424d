#include "picture/field_views.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "model/numbers.h"
#include "picture/charge_pair.h"
#include "picture/equipotentials.h"
#include "picture/exact_equipotentials.h"
#include "picture/field_arrows.h"
#include "picture/field_lines.h"
#include "picture/flux_lines.h"
#include "picture/labelled_equipotentials.h"
#include "picture/potential_map.h"

namespace {

// The potential at each pixel's centre in the map's colours.
class PotentialMapColours : public PixelColours {
  public:
    PotentialMapColours(const ChargePair& charges, const PotentialScale& scale)
        : charges_(charges), scale_(scale) {}
    void colour(const PixelGrid& grid, std::uint32_t* pixels,
                std::size_t row_stride) const override {
        fill_potential_map(charges_, scale_, grid, pixels, row_stride);
    }

  private:
    ChargePair charges_;
    PotentialScale scale_;
};

// The legend's colour bar: the scale's positions from -1 at y_low to 1 at y_high, row by row.
class LegendBarColours : public PixelColours {
  public:
    LegendBarColours(double y_low, double y_high) : y_low_(y_low), y_high_(y_high) {}
    void colour(const PixelGrid& grid, std::uint32_t* pixels,
                std::size_t row_stride) const override {
        for (int j = 0; j < grid.height; ++j) {
            const double position = 2 * (grid.y_at(j) - y_low_) / (y_high_ - y_low_) - 1;
            std::uint32_t* row = pixels + static_cast<std::size_t>(j) * row_stride;
            std::fill(row, row + grid.width, potential_colour(std::clamp(position, -1.0, 1.0)));
        }
    }

  private:
    double y_low_, y_high_;
};

// One colour everywhere: the legend's panel.
class SolidColours : public PixelColours {
  public:
    explicit SolidColours(std::uint32_t pixel) : pixel_(pixel) {}
    void colour(const PixelGrid& grid, std::uint32_t* pixels,
                std::size_t row_stride) const override {
        for (int j = 0; j < grid.height; ++j) {
            std::uint32_t* row = pixels + static_cast<std::size_t>(j) * row_stride;
            std::fill(row, row + grid.width, pixel_);
        }
    }

  private:
    std::uint32_t pixel_;
};

// A rectangle's outline, (x1, y1) to (x2, y2).
void outline(PictureBox& pic, double x1, double y1, double x2, double y2, Colour c) {
    const auto f = [](double v) { return static_cast<float>(v); };
    const PictureBox::Segment sides[] = {{f(x1), f(y1), f(x2), f(y1), c},
                                         {f(x2), f(y1), f(x2), f(y2), c},
                                         {f(x2), f(y2), f(x1), f(y2), c},
                                         {f(x1), f(y2), f(x1), f(y1), c}};
    pic.lines(sides, 4);
}

// The legend's measures in pixels.
constexpr double kMargin = 6;  // from the picture's edges
constexpr double kPadding = 5; // inside the panel
constexpr double kBarWidth = 12;
constexpr double kBarHeight = 140;
constexpr double kTick = 4; // a mark's stroke beside the bar, and the gap to its value
// Text measures where the box cannot measure text: a line 15 pixels high, 7 pixels a character.
constexpr double kTextLine = 15;
constexpr double kCharacter = 7;
// Exports draw the picture at up to four times its size: the exact lines are traced to a quarter
// of the box's pixel.
constexpr double kFinestExport = 4;

// The width of a text as the box measures it, or kCharacter pixels a character (UTF-8 lead
// bytes counted) where it cannot.
double text_width_or_guess(PictureBox& pic, const std::string& text, double px) {
    const double w = pic.text_width(text);
    if (w > 0) {
        return w;
    }
    const auto characters = std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    });
    return kCharacter * px * static_cast<double>(characters);
}

} // namespace

void draw_potential_map(const FieldParams& params, PictureBox& pic) {
    const ChargePair charges = charge_pair(params);
    pic.colour_pixels(
        pic.scale_x1(), pic.scale_y1(), pic.scale_x2(), pic.scale_y2(),
        std::make_shared<PotentialMapColours>(charges, potential_scale(charges, kChargeRadius)));
}

namespace {

// The legend as draw_potential_legend lays it out.
struct LegendLayout {
    std::string heading;
    std::vector<LegendMark> marks;
    std::vector<std::string> values;
    double line = 0; // a text line's height
    LabelBox panel{};
};

LegendLayout legend_layout(const FieldParams& params, PictureBox& pic) {
    const double px = picture_pixel(params, pic);
    LegendLayout l;
    l.heading = translated(params.translator, CF_TEXT("Picture", "φ, В"));
    l.marks = potential_legend(potential_scale(charge_pair(params), kChargeRadius));
    double widest = pic.text_width(l.heading);
    for (const LegendMark& m : l.marks) {
        l.values.push_back(format_shortest(m.volts, params.decimal_separator));
        widest = std::max(widest, text_width_or_guess(pic, l.values.back(), px));
    }
    const double measured = pic.text_height(l.heading);
    l.line = measured > 0 ? measured : kTextLine * px;

    // The panel in the top-right corner (y upward): the heading, then the bar with half a text
    // line above and below it for the values at its ends.
    const double right = std::max(pic.scale_x1(), pic.scale_x2()) - kMargin * px;
    const double top = std::max(pic.scale_y1(), pic.scale_y2()) - kMargin * px;
    const double width = (2 * kPadding + kBarWidth + 2 * kTick) * px + widest;
    const double height = (2 * kPadding + kBarHeight) * px + 2 * l.line;
    l.panel = {right - width, top - height, right, top};
    return l;
}

} // namespace

double picture_pixel(const FieldParams& params, PictureBox& pic) {
    const double px = pic.pixel_width();
    return px > 0 ? px : 2 * params.half_width / kNominalPicturePixels;
}

LabelBox potential_legend_box(const FieldParams& params, PictureBox& pic) {
    return legend_layout(params, pic).panel;
}

void draw_potential_legend(const FieldParams& params, PictureBox& pic) {
    const double px = picture_pixel(params, pic);
    const LegendLayout l = legend_layout(params, pic);
    const double left = l.panel.left, right = l.panel.right;
    const double top = l.panel.top, bottom = l.panel.bottom;
    const double line = l.line;
    const auto f = [](double v) { return static_cast<float>(v); };
    pic.colour_pixels(f(left), f(top), f(right), f(bottom),
                      std::make_shared<SolidColours>(0xffffffffu));
    outline(pic, left, top, right, bottom, kLegendFrameColour);
    pic.current_x = f(left + kPadding * px);
    pic.current_y = f(top - kPadding * px * 0.5);
    pic.text(l.heading);

    const double bar_left = left + kPadding * px;
    const double bar_right = bar_left + kBarWidth * px;
    const double bar_top = top - kPadding * px - 1.5 * line;
    const double bar_bottom = bar_top - kBarHeight * px;
    pic.colour_pixels(f(bar_left), f(bar_top), f(bar_right), f(bar_bottom),
                      std::make_shared<LegendBarColours>(bar_bottom, bar_top));
    outline(pic, bar_left, bar_top, bar_right, bar_bottom, kLegendFrameColour);
    for (std::size_t i = 0; i < l.marks.size(); ++i) {
        const double y = bar_bottom + (l.marks[i].position + 1) / 2 * (bar_top - bar_bottom);
        pic.line(f(bar_right), f(y), f(bar_right + kTick * px), f(y), kLegendFrameColour);
        pic.current_x = f(bar_right + 2 * kTick * px);
        pic.current_y = f(y + line / 2);
        pic.text(l.values[i]);
    }
}

void draw_field_arrows(const FieldParams& params, PictureBox& pic) {
    const int pixels = std::max(
        1, static_cast<int>(std::lround(2 * params.half_width / picture_pixel(params, pic))));
    const FieldArrows arrows = field_arrows(
        charge_pair(params), square_grid(params.half_width, pixels, pixels), kChargeRadius);
    const auto f = [](double v) { return static_cast<float>(v); };
    for (const FieldArrow& a : arrows.arrows) {
        const int grey = arrow_grey(a.shade);
        const Colour c = rgb(grey, grey, grey);
        // The shaft to the tip, one stroke of the head back from it, then the other.
        const PictureBox::Segment strokes[] = {
            {f(a.tail_x), f(a.tail_y), f(a.tip_x), f(a.tip_y), c},
            {f(a.tip_x), f(a.tip_y), f(a.left_x), f(a.left_y), c},
            {f(a.tip_x), f(a.tip_y), f(a.right_x), f(a.right_y), c}};
        pic.lines(strokes, 3);
    }
}

void draw_flux_lines(const FieldParams& params, const ChargeMarks& charges, PictureBox& pic,
                     Progress& progress) {
    const FluxLineSettings settings{params.lines_per_charge, params.half_width,
                                    picture_pixel(params, pic) / kFinestExport,
                                    charges.charge_radius};
    std::vector<PictureBox::Segment> segments;
    trace_flux_lines(charge_pair(params), settings, progress, [&](FluxLine& line) {
        // Each segment and its mirror image below the axis, side by side.
        const Colour c = line.separatrix ? kSeparatrixColour : kFieldLineColour;
        segments.clear();
        for (std::size_t i = 1; i < line.points.size(); ++i) {
            const float x1 = static_cast<float>(line.points[i - 1].x);
            const float y1 = static_cast<float>(line.points[i - 1].y);
            const float x2 = static_cast<float>(line.points[i].x);
            const float y2 = static_cast<float>(line.points[i].y);
            segments.push_back({x1, y1, x2, y2, c});
            segments.push_back({x1, -y1, x2, -y2, c});
        }
        if (!segments.empty()) {
            pic.lines(segments.data(), segments.size());
        }
    });
}

namespace {

// Draws the lines handed to it on another box, leaving out their stretches inside `gaps`, and
// keeps the polylines they make (each segment continues a line that ended where it starts, of
// the two drawn last: a line and its mirror image go side by side).
class LineTap : public PictureBox {
  public:
    LineTap(PictureBox& target, const std::vector<LabelBox>& gaps) : target_(target), gaps_(gaps) {
        pen_width = target.pen_width;
    }
    std::vector<LinePiece> lines;

  protected:
    void on_scale(float, float, float, float) override {}
    void on_clear() override {}
    void on_line(float x1, float y1, float x2, float y2, Colour c) override {
        const Segment s{x1, y1, x2, y2, c};
        on_lines(&s, 1);
    }
    void on_lines(const Segment* segments, std::size_t count) override {
        const int width = target_.pen_width;
        target_.pen_width = pen_width;
        for (std::size_t i = 0; i < count; ++i) {
            keep(segments[i]);
        }
        if (gaps_.empty()) {
            target_.lines(segments, count);
        } else {
            std::vector<PlanePoint> parts;
            for (std::size_t i = 0; i < count; ++i) {
                const Segment& s = segments[i];
                parts.clear();
                outside_boxes({s.x1, s.y1}, {s.x2, s.y2}, gaps_, parts);
                for (std::size_t k = 0; k + 1 < parts.size(); k += 2) {
                    target_.line(static_cast<float>(parts[k].x), static_cast<float>(parts[k].y),
                                 static_cast<float>(parts[k + 1].x),
                                 static_cast<float>(parts[k + 1].y), s.colour);
                }
            }
        }
        target_.pen_width = width;
    }
    void on_dot(float x, float y, Colour c, bool in_foreground) override {
        in_foreground ? target_.dot(x, y) : target_.dot(x, y, c);
    }
    void on_circle(float x, float y, float r, Colour c) override { target_.circle(x, y, r, c); }
    void on_text(std::string_view text) override { target_.text(text); }
    float measure_pixel() override { return target_.pixel_width(); }

  private:
    void keep(const Segment& s) {
        const PlanePoint a{s.x1, s.y1}, b{s.x2, s.y2};
        for (std::size_t back = 0; back < 2 && back < lines.size(); ++back) {
            LinePiece& l = lines[lines.size() - 1 - back];
            if (l.points.back().x == a.x && l.points.back().y == a.y && l.colour == s.colour) {
                l.points.push_back(b);
                return;
            }
        }
        lines.push_back({{a, b}, s.colour});
    }

    PictureBox& target_;
    const std::vector<LabelBox>& gaps_;
};

} // namespace

void draw_field_line_family(const FieldParams& params, const ChargeMarks& charges, PictureBox& pic,
                            Progress& progress, const std::vector<LabelBox>& gaps) {
    const auto draw = [&](PictureBox& box) {
        if (params.views.flux_lines) {
            draw_flux_lines(params, charges, box, progress);
        } else {
            draw_field_lines(params, charges, box, progress);
        }
    };
    if (gaps.empty() && !params.views.charge_marks) {
        draw(pic);
        return;
    }
    LineTap tap(pic, gaps);
    draw(tap);
    if (params.views.charge_marks && !progress.stopped()) {
        draw_direction_marks(params, tap.lines, pic, gaps);
    }
}

std::string equipotential_label(double volts, const FieldParams& params) {
    // Three significant digits: the round levels are shown as they are.
    const double magnitude = std::abs(volts);
    double shown = magnitude;
    if (magnitude > 0 && std::isfinite(magnitude)) {
        const double scale = decimal(1, 2 - decade_of(magnitude));
        shown = std::round(magnitude * scale) / scale;
    }
    std::string number = volts < 0 && shown > 0 ? "\u2212" : "";
    number += format_shortest(shown, params.decimal_separator);
    return translated(params.translator, CF_TEXT("Picture", "%1 В"), {number});
}

ExactEquipotentials draw_exact_equipotentials(const FieldParams& params,
                                              const FieldPicture& picture, PictureBox& pic,
                                              Progress& progress) {
    ExactEquipotentials out;
    out.tip = level_step_tip(params, picture.charges);
    const double intervals = params.level_intervals;
    if (!(intervals > 0)) {
        return out;
    }
    const double px = picture_pixel(params, pic);
    LabelSpace space;
    space.half_width = params.half_width;
    space.pixel = px;
    const std::string sample = equipotential_label(0, params);
    const double measured = pic.text_height(sample);
    space.text_height = measured > 0 ? measured : kTextLine * px;
    space.taken = frame_texts(params, pic).boxes();
    if (params.views.potential_map) {
        space.taken.push_back(potential_legend_box(params, pic));
    }
    if (params.views.charge_marks) {
        space.discs = charge_mark_discs(params, pic);
    } else {
        for (const auto& [q, x] : {std::pair{params.q1, -params.half_distance},
                                   std::pair{params.q2, params.half_distance}}) {
            space.discs.push_back({x, 0, std::abs(q) * picture.charges.charge_radius});
        }
    }
    const auto width = [&](double volts) {
        return text_width_or_guess(pic, equipotential_label(volts, params), px);
    };
    const int count = static_cast<int>(std::min(std::floor(intervals), 1000.0)) + 1;
    const LabelledEquipotentials found =
        labelled_equipotentials(charge_pair(params), {params.half_width, px / kFinestExport}, count,
                                space, width, progress);
    for (const EquipotentialLabel& l : found.labels) {
        out.gaps.push_back(l.box);
    }
    std::vector<PictureBox::Segment> segments;
    std::vector<PlanePoint> parts;
    for (const EquipotentialCurve& curve : found.curves) {
        for (const std::vector<PlanePoint>& line : curve_polylines(curve)) {
            segments.clear();
            for (std::size_t k = 1; k < line.size(); ++k) {
                parts.clear();
                outside_boxes(line[k - 1], line[k], out.gaps, parts);
                for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
                    segments.push_back({static_cast<float>(parts[i].x),
                                        static_cast<float>(parts[i].y),
                                        static_cast<float>(parts[i + 1].x),
                                        static_cast<float>(parts[i + 1].y), kEquipotentialColour});
                }
            }
            if (!segments.empty()) {
                pic.lines(segments.data(), segments.size());
            }
        }
    }
    const Colour text_colour = pic.foreground;
    pic.foreground = kEquipotentialColour;
    for (const EquipotentialLabel& l : found.labels) {
        // The text's box is the label's without the room left at its ends.
        const std::string text = equipotential_label(l.volts, params);
        pic.current_x = static_cast<float>(l.anchor.x - width(l.volts) / 2);
        pic.current_y = static_cast<float>(l.anchor.y + space.text_height / 2);
        pic.text(text);
    }
    pic.foreground = text_colour;
    return out;
}
