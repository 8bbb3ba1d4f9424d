// An independent check of the tracing: along a field line of two point charges on the x axis,
// q1*cos(t1) + q2*cos(t2) is constant (t1, t2 the angles at the left and the right charge
// between the +x direction and the point), since the flux of each charge through the cone
// about the axis stays the same. Every traced line must keep it to 0.001*(|q1| + |q2|).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <map>
#include <string>

#include "model/field_params.h"
#include "picture/field_lines.h"
#include "support/scene.h"
#include "support/traced_lines.h"

namespace {

double invariant(const FieldParams& m, double x, double y) {
    const double a = m.half_distance;
    return m.q1 * (x + a) / std::hypot(x + a, y) + m.q2 * (x - a) / std::hypot(x - a, y);
}

// Largest departure of the invariant from its value at the line's start.
double drift(const FieldParams& m, const TracedLine& line) {
    const double at_start = invariant(m, line.front().x1, line.front().y1);
    double worst = 0;
    for (const Segment& s : line) {
        worst = std::max(worst, std::abs(invariant(m, s.x2, s.y2) - at_start));
    }
    return worst;
}

struct Case {
    const char* name;
    double q1, q2;
};

// The kind of each traced line, in the order draw_field_lines draws them: two lines per start angle
// (from the right charge, then from the left), then the lines from the edge.
std::string kind_of(const Case& c, std::size_t n, int per_charge) {
    if (c.q1 == 0 || c.q2 == 0) {
        return "straight";
    }
    if (c.q1 * c.q2 > 0) {
        return "cartesian";
    }
    if (n >= static_cast<std::size_t>(2 * per_charge)) {
        return "polar from the edge";
    }
    return n % 2 == 0 ? "polar from the right charge" : "polar from the left charge";
}

TEST(FieldLineInvariant, EveryTracedLineKeepsTheInvariant) {
    const Case cases[] = {
        {"defaults", 0.4, -0.1}, {"weaker left", -0.1, 0.4},    {"opposite equal", 0.5, -0.5},
        {"like", 0.4, 0.2},      {"equal", 0.3, 0.3},           {"like negative", -0.2, -0.7},
        {"single", 0.4, 0},      {"strong right", -0.15, 0.95}, {"weak right", -1, 0.05},
    };
    std::map<std::string, double> worst; // per line kind, relative to |q1| + |q2|
    for (const Case& c : cases) {
        for (int per_charge : {6, 11}) {
            SCOPED_TRACE(testing::Message() << c.name << " lines=" << per_charge);
            Scene s({.q1 = c.q1,
                     .q2 = c.q2,
                     .lines_per_charge = static_cast<std::int16_t>(per_charge)});
            const FieldParams& m = s.params;
            draw_field_lines(m, s.picture.charges, s.pic);
            const auto lines = traced_lines(s.pic);
            ASSERT_GE(lines.size(), static_cast<std::size_t>(per_charge));
            const double scale = std::abs(c.q1) + std::abs(c.q2);
            for (std::size_t n = 0; n < lines.size(); ++n) {
                const double d = drift(m, lines[n]) / scale;
                const std::string kind = kind_of(c, n, per_charge);
                worst[kind] = std::max(worst[kind], d);
                EXPECT_LT(d, 0.001) << kind << " line " << n << " of " << lines.size();
            }
        }
    }
    for (const auto& [kind, d] : worst) {
        std::cout << "largest drift / (|q1| + |q2|), " << kind << ": " << d << "\n";
        testing::Test::RecordProperty("drift " + kind, std::to_string(d));
    }
}

} // namespace
