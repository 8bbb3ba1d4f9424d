#include "model/point_field.h"

#include <cmath>

float fi_point(const Module1& m, double x, double y) {
    const double rb = static_cast<double>(m.R_ball);
    const double r1 = std::sqrt((x + m.a) * (x + m.a) + y * y);
    if (static_cast<float>(r1) <= m.R_ball) {
        return static_cast<float>(m.k * (m.q1 / rb + m.q2 / std::abs(rb - 2 * m.a)));
    }
    const double r2 = std::sqrt((x - m.a) * (x - m.a) + y * y);
    if (static_cast<float>(r2) <= m.R_ball) {
        return static_cast<float>(m.k * (m.q1 / std::abs(rb - 2 * m.a) + m.q2 / rb));
    }
    return static_cast<float>(m.k * (m.q1 / r1 + m.q2 / r2));
}

float Ex_point(const Module1& m, double x, double y) {
    const double s1 = (x + m.a) * (x + m.a) + y * y;
    const double s2 = (x - m.a) * (x - m.a) + y * y;
    const double t1 = s1 == 0 ? 0.0 : m.q1 * (x + m.a) / std::pow(s1, 1.5);
    const double t2 = s2 == 0 ? 0.0 : m.q2 * (x - m.a) / std::pow(s2, 1.5);
    return static_cast<float>(m.k * (t1 + t2));
}

float Ey_point(const Module1& m, double x, double y) {
    if (y == 0) {
        return 0.0f;
    }
    const double t1 = m.q1 / std::pow((x + m.a) * (x + m.a) + y * y, 1.5);
    const double t2 = m.q2 / std::pow((x - m.a) * (x - m.a) + y * y, 1.5);
    return static_cast<float>(m.k * y * (t1 + t2));
}

PointField field_point(const Module1& m, double x, double y) {
    const double s1 = (x + m.a) * (x + m.a) + y * y;
    const double s2 = (x - m.a) * (x - m.a) + y * y;
    const double c1 = std::pow(s1, 1.5);
    const double c2 = std::pow(s2, 1.5);
    const double t1 = s1 == 0 ? 0.0 : m.q1 * (x + m.a) / c1;
    const double t2 = s2 == 0 ? 0.0 : m.q2 * (x - m.a) / c2;
    const float ex = static_cast<float>(m.k * (t1 + t2));
    if (y == 0) {
        return {ex, 0.0f};
    }
    return {ex, static_cast<float>(m.k * y * (m.q1 / c1 + m.q2 / c2))};
}
