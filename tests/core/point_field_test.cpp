// The point functions against hand-computed values of the default two-charge system.
#include <gtest/gtest.h>

#include "model/module1.h"
#include "model/point_field.h"

namespace {

Module1 defaults() {
    Module1 m;
    set_model_defaults(m);
    return m;
}

TEST(PointField, DefaultValues) {
    const Module1 m = defaults();
    struct Row {
        double x, y;
        float fi, ex, ey;
    };
    const Row rows[] = {
        {0, 0, 5.4000001f, 18.0f, 0.0f},
        {1, 0, 0.6f, -2.0f, 0.0f},
        {0, 1, 2.4149535f, 1.6099689f, 1.9319627f},
        {2, 2, 0.7644511f, 0.18785636f, 0.10420509f},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << "(" << r.x << ", " << r.y << ")");
        EXPECT_FLOAT_EQ(fi_point(m, r.x, r.y), r.fi);
        EXPECT_FLOAT_EQ(Ex_point(m, r.x, r.y), r.ex);
        EXPECT_FLOAT_EQ(Ey_point(m, r.x, r.y), r.ey);
    }
}

TEST(PointField, BallsHoldTheirSurfacePotential) {
    const Module1 m = defaults();
    EXPECT_FLOAT_EQ(fi_point(m, -0.5, 0), 359.09091f);
    EXPECT_FLOAT_EQ(fi_point(m, -0.495, 0), 359.09091f);
    EXPECT_FLOAT_EQ(fi_point(m, -0.5, 0.005), 359.09091f);
    EXPECT_FLOAT_EQ(fi_point(m, 0.5, 0), -86.36364f);
    // Inside a ball the field keeps growing as the charge is approached.
    EXPECT_NEAR(Ey_point(m, -0.5, 0.005), 144000.0f, 0.1f);
    EXPECT_NEAR(Ex_point(m, -0.495, 0), 144000.9f, 0.1f);
}

TEST(PointField, AtTheChargesTheFieldIsFinite) {
    const Module1 m = defaults();
    // Exactly at a charge only the other charge's field is left: k*q/(2a)^2 along the axis.
    EXPECT_FLOAT_EQ(Ex_point(m, -0.5, 0), static_cast<float>(9 * -0.1 * -1.0 / 1.0));
    EXPECT_FLOAT_EQ(Ex_point(m, 0.5, 0), static_cast<float>(9 * 0.4 / 1.0));
    for (double x : {-0.5, 0.5, -3.0, 0.0, 2.5}) {
        EXPECT_EQ(Ey_point(m, x, 0), 0.0f);
    }
}

} // namespace
