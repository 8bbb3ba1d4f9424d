// Placement and layout of the profile windows.
#include <gtest/gtest.h>

#include "profiles/profile_family.h"

namespace {

// A main window of 9000 x 7200 twips at (0, 0): the windows on x = X_fix stand to its right at
// its full height, those on y = Y_fix stack downward from its lower sixth.
TEST(ProfilePlacement, BesideTheMainWindow) {
    struct Row {
        ProfileId id;
        double left, top, width, height;
    };
    const Row rows[] = {
        {ProfileId::PhiAlongY, 9000, 0, 2700, 7200},
        {ProfileId::ExAlongY, 9500, 0, 2700, 7200},
        {ProfileId::EyAlongY, 11000, 0, 2700, 7200},
        {ProfileId::PhiAlongX, -450, 6000, 7290, 2400},
        {ProfileId::ExAlongX, -450, 7600, 7290, 2400},
        {ProfileId::EyAlongX, -450, 9200, 7290, 2400},
    };
    for (const Row& r : rows) {
        const TwipRect p = profile_placement(profile_kind(r.id), 9000, 7200, 0, 0);
        EXPECT_NEAR(p.left, r.left, 1e-6) << to_index(r.id);
        EXPECT_NEAR(p.top, r.top, 1e-6) << to_index(r.id);
        EXPECT_NEAR(p.width, r.width, 1e-6) << to_index(r.id);
        EXPECT_NEAR(p.height, r.height, 1e-6) << to_index(r.id);
    }
    // The main window's own position shifts every window by as much.
    const TwipRect moved =
        profile_placement(profile_kind(ProfileId::PhiAlongX), 9000, 7200, 150, 300);
    EXPECT_NEAR(moved.left, -300, 1e-6);
    EXPECT_NEAR(moved.top, 6300, 1e-6);
}

// With the main window's measures (4, 4, 65, 22): a 32.5 px column for the bar and a 22 px label
// at the left or across the top; a window lower than its margins is not laid out.
TEST(ProfileLayout, ColumnsAndTooSmallWindows) {
    LayoutMeasures m;
    m.gap_x = 4;
    m.gap_y = 4;
    m.column_width = 65;
    m.row_height = 22;
    const ProfileLayout h = profile_layout(m, profile_kind(ProfileId::PhiAlongX), 486, 160);
    EXPECT_TRUE(h.usable);
    EXPECT_FLOAT_EQ(h.bar.width, 32.5f);
    EXPECT_FLOAT_EQ(h.bar.height, 130);
    EXPECT_FLOAT_EQ(h.label.top, 134);
    EXPECT_FLOAT_EQ(h.picture.left, 36.5f);
    EXPECT_FLOAT_EQ(h.picture.width, 445.5f);
    EXPECT_FLOAT_EQ(h.picture.height, 152);

    const ProfileLayout v = profile_layout(m, profile_kind(ProfileId::PhiAlongY), 180, 480);
    EXPECT_TRUE(v.usable);
    EXPECT_FLOAT_EQ(v.label.width, 32.5f);
    EXPECT_FLOAT_EQ(v.bar.left, 36.5f);
    EXPECT_FLOAT_EQ(v.bar.width, 139.5f);
    EXPECT_FLOAT_EQ(v.picture.top, 30);
    EXPECT_FLOAT_EQ(v.picture.height, 446);

    EXPECT_FALSE(profile_layout(m, profile_kind(ProfileId::PhiAlongX), 486, 30).usable);
    EXPECT_FALSE(profile_layout(m, profile_kind(ProfileId::EyAlongY), 40, 480).usable);
    EXPECT_FALSE(profile_layout(m, profile_kind(ProfileId::ExAlongX), 0, 0).usable);
}

// The bar's ends and middle: factors 0.05 and 1.95 at -19 and 19, 1 at 0, 1.1 one step above
// the start position 1.
TEST(ProfileLayout, ScaleFactorOfTheBar) {
    EXPECT_NEAR(profile_factor(-19), 0.05, 1e-12);
    EXPECT_NEAR(profile_factor(0), 1, 1e-12);
    EXPECT_NEAR(profile_factor(2), 1.1, 1e-12);
    EXPECT_NEAR(profile_factor(19), 1.95, 1e-12);
}

} // namespace
