// The view of the charges' signs: the charges as discs with their signs, and an arrowhead
// along E on every piece of a field line (declared in field_views.h).
#include <cmath>
#include <vector>

#include "picture/field_views.h"

namespace {

// The parts of a polyline inside the region [-L, L] x [-L, L].
std::vector<std::vector<PlanePoint>> inside_region(const std::vector<PlanePoint>& line, double L) {
    std::vector<std::vector<PlanePoint>> parts;
    const LabelBox region{-L, -L, L, L};
    bool open = false;
    for (std::size_t k = 1; k < line.size(); ++k) {
        double t0 = 0, t1 = 0;
        const PlanePoint a = line[k - 1], b = line[k];
        if (!clip_to_box(a, b, region, t0, t1)) {
            open = false;
            continue;
        }
        const PlanePoint from{a.x + t0 * (b.x - a.x), a.y + t0 * (b.y - a.y)};
        const PlanePoint to{a.x + t1 * (b.x - a.x), a.y + t1 * (b.y - a.y)};
        if (!open || t0 > 0) {
            parts.push_back({from});
        }
        parts.back().push_back(to);
        open = t1 >= 1;
    }
    return parts;
}

} // namespace

void draw_direction_marks(const FieldParams& params, const std::vector<LinePiece>& pieces,
                          PictureBox& pic, const std::vector<LabelBox>& gaps) {
    const double px = picture_pixel(params, pic);
    const double head = kArrowheadPixels * px;
    const double hc = std::cos(kArrowheadAngle), hs = std::sin(kArrowheadAngle);
    const double a = params.half_distance;
    std::vector<PictureBox::Segment> strokes;
    std::vector<PlanePoint> parts;
    for (const LinePiece& piece : pieces) {
        for (const std::vector<PlanePoint>& part : inside_region(piece.points, params.half_width)) {
            double length = 0;
            for (std::size_t k = 1; k < part.size(); ++k) {
                length += norm(part[k] - part[k - 1]);
            }
            if (length < 3 * head) {
                continue;
            }
            // The middle of the part, and the direction of its segment there.
            double to_go = length / 2;
            std::size_t k = 1;
            while (k + 1 < part.size() && norm(part[k] - part[k - 1]) < to_go) {
                to_go -= norm(part[k] - part[k - 1]);
                ++k;
            }
            const Vec d = part[k] - part[k - 1];
            const double len = norm(d);
            if (!(len > 0)) {
                continue;
            }
            const PlanePoint mid{part[k - 1].x + to_go / len * d.x,
                                 part[k - 1].y + to_go / len * d.y};
            // Along E there: q1/r1^3 * (p - c1) + q2/r2^3 * (p - c2).
            const double r1 = std::hypot(mid.x + a, mid.y), r2 = std::hypot(mid.x - a, mid.y);
            const double c1 = params.q1 / (r1 * r1 * r1), c2 = params.q2 / (r2 * r2 * r2);
            const Vec e{c1 * (mid.x + a) + c2 * (mid.x - a), (c1 + c2) * mid.y};
            const double sign = dot(e, d) < 0 ? -1 : 1;
            const double ux = sign * d.x / len, uy = sign * d.y / len;
            // The tip half a head ahead of the middle, the strokes back from it.
            const PlanePoint tip{mid.x + head / 2 * ux, mid.y + head / 2 * uy};
            const PlanePoint left{tip.x - head * (hc * ux - hs * uy),
                                  tip.y - head * (hs * ux + hc * uy)};
            const PlanePoint right{tip.x - head * (hc * ux + hs * uy),
                                   tip.y - head * (-hs * ux + hc * uy)};
            for (const PlanePoint end : {left, right}) {
                parts.clear();
                outside_boxes(tip, end, gaps, parts);
                for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
                    strokes.push_back({static_cast<float>(parts[i].x),
                                       static_cast<float>(parts[i].y),
                                       static_cast<float>(parts[i + 1].x),
                                       static_cast<float>(parts[i + 1].y), piece.colour});
                }
            }
        }
    }
    if (!strokes.empty()) {
        pic.lines(strokes.data(), strokes.size());
    }
}

double charge_mark_radius(const FieldParams& params, PictureBox& pic) {
    return kChargeMarkPixels * picture_pixel(params, pic);
}

std::vector<Disc> charge_mark_discs(const FieldParams& params, PictureBox& pic) {
    if (params.q1 == 0 && params.q2 == 0) {
        return {}; // no field, no charges to show
    }
    const double r = charge_mark_radius(params, pic);
    return {{-params.half_distance, 0, r}, {params.half_distance, 0, r}};
}

void draw_charge_marks(const FieldParams& params, PictureBox& pic) {
    const double px = picture_pixel(params, pic);
    const auto f = [](double v) { return static_cast<float>(v); };
    // The arms of the sign: 4 pixels from the middle, two pixels wide.
    const double arm = 4 * px;
    const std::vector<Disc> discs = charge_mark_discs(params, pic);
    for (std::size_t i = 0; i < discs.size(); ++i) {
        const double q = i == 0 ? params.q1 : params.q2;
        const Disc& d = discs[i];
        const Colour c = q > 0 ? kPositiveColour : q < 0 ? kNegativeColour : kZeroChargeColour;
        pic.filled = true;
        pic.fill_colour = c;
        pic.circle(f(d.x), 0, f(d.r), c);
        pic.filled = false;
        if (q == 0) {
            continue;
        }
        pic.pen_width = 2;
        pic.line(f(d.x - arm), 0, f(d.x + arm), 0, kChargeSignColour);
        if (q > 0) {
            pic.line(f(d.x), f(-arm), f(d.x), f(arm), kChargeSignColour);
        }
        pic.pen_width = 1;
    }
}
