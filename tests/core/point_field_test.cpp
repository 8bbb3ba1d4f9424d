// The point functions against hand-computed values of the default two-charge system.
#include <gtest/gtest.h>

#include "model/field_params.h"
#include "model/point_field.h"

namespace {

TEST(PointField, DefaultValues) {
    const FieldParams m;
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
        EXPECT_FLOAT_EQ(potential_at(m, r.x, r.y), r.fi);
        EXPECT_FLOAT_EQ(ex_at(m, r.x, r.y), r.ex);
        EXPECT_FLOAT_EQ(ey_at(m, r.x, r.y), r.ey);
    }
}

TEST(PointField, BallsHoldTheirSurfacePotential) {
    const FieldParams m;
    EXPECT_FLOAT_EQ(potential_at(m, -0.5, 0), 359.09091f);
    EXPECT_FLOAT_EQ(potential_at(m, -0.495, 0), 359.09091f);
    EXPECT_FLOAT_EQ(potential_at(m, -0.5, 0.005), 359.09091f);
    EXPECT_FLOAT_EQ(potential_at(m, 0.5, 0), -86.36364f);
    // Inside a ball the field keeps growing as the charge is approached.
    EXPECT_NEAR(ey_at(m, -0.5, 0.005), 144000.0f, 0.1f);
    EXPECT_NEAR(ex_at(m, -0.495, 0), 144000.9f, 0.1f);
}

TEST(PointField, AtTheChargesTheFieldIsFinite) {
    const FieldParams m;
    // Exactly at a charge only the other charge's field is left: k*q/(2a)^2 along the axis.
    EXPECT_FLOAT_EQ(ex_at(m, -0.5, 0), static_cast<float>(9 * -0.1 * -1.0 / 1.0));
    EXPECT_FLOAT_EQ(ex_at(m, 0.5, 0), static_cast<float>(9 * 0.4 / 1.0));
    for (double x : {-0.5, 0.5, -3.0, 0.0, 2.5}) {
        EXPECT_EQ(ey_at(m, x, 0), 0.0f);
    }
}

} // namespace
