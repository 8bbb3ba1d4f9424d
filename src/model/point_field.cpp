#include "model/point_field.h"

#include <cmath>

float potential_at(const FieldParams& p, double x, double y) {
    const double a = p.half_distance;
    const double rb = static_cast<double>(p.ball_radius);
    const double r1 = std::sqrt((x + a) * (x + a) + y * y);
    if (static_cast<float>(r1) <= p.ball_radius) {
        return static_cast<float>(p.coulomb_k * (p.q1 / rb + p.q2 / std::abs(rb - 2 * a)));
    }
    const double r2 = std::sqrt((x - a) * (x - a) + y * y);
    if (static_cast<float>(r2) <= p.ball_radius) {
        return static_cast<float>(p.coulomb_k * (p.q1 / std::abs(rb - 2 * a) + p.q2 / rb));
    }
    return static_cast<float>(p.coulomb_k * (p.q1 / r1 + p.q2 / r2));
}

float ex_at(const FieldParams& p, double x, double y) {
    const double a = p.half_distance;
    const double s1 = (x + a) * (x + a) + y * y;
    const double s2 = (x - a) * (x - a) + y * y;
    const double t1 = s1 == 0 ? 0.0 : p.q1 * (x + a) / std::pow(s1, 1.5);
    const double t2 = s2 == 0 ? 0.0 : p.q2 * (x - a) / std::pow(s2, 1.5);
    return static_cast<float>(p.coulomb_k * (t1 + t2));
}

float ey_at(const FieldParams& p, double x, double y) {
    if (y == 0) {
        return 0.0f;
    }
    const double a = p.half_distance;
    const double t1 = p.q1 / std::pow((x + a) * (x + a) + y * y, 1.5);
    const double t2 = p.q2 / std::pow((x - a) * (x - a) + y * y, 1.5);
    return static_cast<float>(p.coulomb_k * y * (t1 + t2));
}

PointField field_at(const FieldParams& p, double x, double y) {
    const double a = p.half_distance;
    const double s1 = (x + a) * (x + a) + y * y;
    const double s2 = (x - a) * (x - a) + y * y;
    const double c1 = std::pow(s1, 1.5);
    const double c2 = std::pow(s2, 1.5);
    const double t1 = s1 == 0 ? 0.0 : p.q1 * (x + a) / c1;
    const double t2 = s2 == 0 ? 0.0 : p.q2 * (x - a) / c2;
    const float ex = static_cast<float>(p.coulomb_k * (t1 + t2));
    if (y == 0) {
        return {ex, 0.0f};
    }
    return {ex, static_cast<float>(p.coulomb_k * y * (p.q1 / c1 + p.q2 / c2))};
}
