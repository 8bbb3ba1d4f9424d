#include "svg_writer.h"

#include <cmath>
#include <cstdio>

namespace {

std::string number(double v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", v);
    std::string s = buffer;
    // Whole numbers without their decimals.
    if (s.size() > 3 && s.compare(s.size() - 3, 3, ".00") == 0) {
        s.resize(s.size() - 3);
    }
    return s == "-0" ? "0" : s;
}

std::string colour(Colour c) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", red_of(c), green_of(c), blue_of(c));
    return buffer;
}

std::string escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '&':
            out += "&amp;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace

std::optional<std::string> svg_of(const DisplayList& list, const SvgPage& page) {
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      std::to_string(page.width) + "\" height=\"" + std::to_string(page.height) +
                      "\" viewBox=\"0 0 " + std::to_string(page.width) + " " +
                      std::to_string(page.height) + "\">\n<title>" + escaped(page.title) +
                      "</title>\n<rect width=\"100%\" height=\"100%\" fill=\"" +
                      colour(page.background) +
                      "\"/>\n<g font-family=\"Liberation Serif, serif\" "
                      "font-size=\"" +
                      number(page.font_pixels) + "\">\n";
    DrawOp scale = DrawOp::scale(0, 0, 1, 1);
    // User coordinates to pixels, as the raster painting maps them.
    const auto x_of = [&](double x) {
        return (x - scale.a) / (static_cast<double>(scale.c) - scale.a) * page.width;
    };
    const auto y_of = [&](double y) {
        return (y - scale.b) / (static_cast<double>(scale.d) - scale.b) * page.height;
    };
    for (const DrawOp& op : list.ops()) {
        switch (op.kind) {
        case DrawOp::Kind::Scale:
            scale = op;
            break;
        case DrawOp::Kind::Line: {
            const ListPoint* p = list.run_points(op);
            if (p == nullptr) {
                break;
            }
            // Each curve of the run as one path: its start, then every point that ends one of
            // its segments. Pixel centres are half a pixel in.
            for (unsigned curve = 0; curve < op.curves; ++curve) {
                out += "<path fill=\"none\" stroke=\"" + colour(op.colour) + "\" stroke-width=\"" +
                       std::to_string(op.width) + "\" stroke-linecap=\"square\" d=\"M" +
                       number(x_of(p[curve].x) + 0.5) + " " + number(y_of(p[curve].y) + 0.5);
                for (std::uint32_t i = curve; i < op.count; i += op.curves) {
                    const ListPoint& q = p[op.curves + i];
                    out += " L" + number(x_of(q.x) + 0.5) + " " + number(y_of(q.y) + 0.5);
                }
                out += "\"/>\n";
            }
            break;
        }
        case DrawOp::Kind::Dot: {
            const double half = op.width / 2.0;
            out += "<rect x=\"" + number(std::floor(x_of(op.a) - half + 0.5)) + "\" y=\"" +
                   number(std::floor(y_of(op.b) - half + 0.5)) + "\" width=\"" +
                   std::to_string(op.width) + "\" height=\"" + std::to_string(op.width) +
                   "\" fill=\"" + colour(op.colour) + "\"/>\n";
            break;
        }
        case DrawOp::Kind::Circle: {
            const double r = std::abs(op.c * page.width / (static_cast<double>(scale.c) - scale.a));
            out += "<circle cx=\"" + number(x_of(op.a)) + "\" cy=\"" + number(y_of(op.b)) +
                   "\" r=\"" + number(r) + "\" stroke=\"" + colour(op.colour) +
                   "\" stroke-width=\"" + std::to_string(op.width) + "\" fill=\"" +
                   (op.filled ? colour(op.fill) : std::string("none")) + "\"/>\n";
            break;
        }
        case DrawOp::Kind::Text:
            out += "<text x=\"" + number(x_of(op.a)) + "\" y=\"" +
                   number(y_of(op.b) + page.ascent) + "\" fill=\"" + colour(op.colour) +
                   "\" xml:space=\"preserve\">" + escaped(list.text_of(op)) + "</text>\n";
            break;
        case DrawOp::Kind::Pixels:
            return std::nullopt;
        }
    }
    return out + "</g>\n</svg>\n";
}
