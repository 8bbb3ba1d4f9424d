#include "picture/field_views.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "model/numbers.h"
#include "picture/charge_pair.h"
#include "picture/field_arrows.h"
#include "picture/field_lines.h"
#include "picture/flux_lines.h"
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

// The width of one of the box's pixels, or of the nominal picture's where the box has none.
double pixel_of(const FieldParams& params, PictureBox& pic) {
    const double px = pic.pixel_width();
    return px > 0 ? px : 2 * params.half_width / kNominalPicturePixels;
}

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

} // namespace

void draw_potential_map(const FieldParams& params, PictureBox& pic) {
    const ChargePair charges = charge_pair(params);
    pic.colour_pixels(
        pic.scale_x1(), pic.scale_y1(), pic.scale_x2(), pic.scale_y2(),
        std::make_shared<PotentialMapColours>(charges, potential_scale(charges, kChargeRadius)));
}

void draw_potential_legend(const FieldParams& params, PictureBox& pic) {
    const double px = pixel_of(params, pic);
    const std::string heading = translated(params.translator, CF_TEXT("Picture", "φ, В"));
    const std::vector<LegendMark> marks =
        potential_legend(potential_scale(charge_pair(params), kChargeRadius));
    std::vector<std::string> values;
    double widest = pic.text_width(heading);
    for (const LegendMark& m : marks) {
        values.push_back(format_shortest(m.volts, params.decimal_separator));
        const double w = pic.text_width(values.back());
        widest = std::max(widest, w > 0 ? w : kCharacter * px * values.back().size());
    }
    const double measured = pic.text_height(heading);
    const double line = measured > 0 ? measured : kTextLine * px;

    // The panel in the top-right corner (y upward): the heading, then the bar with half a text
    // line above and below it for the values at its ends.
    const double right = std::max(pic.scale_x1(), pic.scale_x2()) - kMargin * px;
    const double top = std::max(pic.scale_y1(), pic.scale_y2()) - kMargin * px;
    const double width = (2 * kPadding + kBarWidth + 2 * kTick) * px + widest;
    const double height = (2 * kPadding + kBarHeight) * px + 2 * line;
    const double left = right - width;
    const double bottom = top - height;
    const auto f = [](double v) { return static_cast<float>(v); };
    pic.colour_pixels(f(left), f(top), f(right), f(bottom),
                      std::make_shared<SolidColours>(0xffffffffu));
    outline(pic, left, top, right, bottom, kLegendFrameColour);
    pic.current_x = f(left + kPadding * px);
    pic.current_y = f(top - kPadding * px * 0.5);
    pic.text(heading);

    const double bar_left = left + kPadding * px;
    const double bar_right = bar_left + kBarWidth * px;
    const double bar_top = top - kPadding * px - 1.5 * line;
    const double bar_bottom = bar_top - kBarHeight * px;
    pic.colour_pixels(f(bar_left), f(bar_top), f(bar_right), f(bar_bottom),
                      std::make_shared<LegendBarColours>(bar_bottom, bar_top));
    outline(pic, bar_left, bar_top, bar_right, bar_bottom, kLegendFrameColour);
    for (std::size_t i = 0; i < marks.size(); ++i) {
        const double y = bar_bottom + (marks[i].position + 1) / 2 * (bar_top - bar_bottom);
        pic.line(f(bar_right), f(y), f(bar_right + kTick * px), f(y), kLegendFrameColour);
        pic.current_x = f(bar_right + 2 * kTick * px);
        pic.current_y = f(y + line / 2);
        pic.text(values[i]);
    }
}

void draw_field_arrows(const FieldParams& params, PictureBox& pic) {
    const int pixels =
        std::max(1, static_cast<int>(std::lround(2 * params.half_width / pixel_of(params, pic))));
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
    // Exports draw the picture at up to four times its size.
    constexpr double kFinestExport = 4;
    const FluxLineSettings settings{params.lines_per_charge, params.half_width,
                                    pixel_of(params, pic) / kFinestExport, charges.charge_radius};
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

void draw_field_line_family(const FieldParams& params, const ChargeMarks& charges, PictureBox& pic,
                            Progress& progress) {
    if (params.views.flux_lines) {
        draw_flux_lines(params, charges, pic, progress);
    } else {
        draw_field_lines(params, charges, pic, progress);
    }
}
