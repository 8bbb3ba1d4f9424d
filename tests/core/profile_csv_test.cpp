// The data of a profile as CSV: the points of the drawn curve, read back and checked against the
// curve on the recording picture box (the command line's end-to-end test checks the values
// against Coulomb's law).
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "profiles/profile_csv.h"
#include "profiles/profile_draw.h"
#include "support/scene.h"

namespace {

struct Table {
    std::string comment, header;
    std::vector<std::pair<double, float>> rows;
};

Table read_csv(const std::string& text) {
    Table t;
    std::istringstream in(text);
    std::getline(in, t.comment);
    std::getline(in, t.header);
    std::string line;
    while (std::getline(in, line)) {
        EXPECT_EQ(std::count(line.begin(), line.end(), ','), 1) << line;
        char* end = nullptr;
        const double pos = std::strtod(line.c_str(), &end);
        EXPECT_EQ(*end, ',') << line;
        const float value = std::strtof(end + 1, &end);
        EXPECT_EQ(*end, '\0') << line;
        t.rows.emplace_back(pos, value);
    }
    return t;
}

// Every window's table has the comment, its header and one row per point of its curve: the
// start of the line and the profile_steps samples, with exactly the values the curve is drawn
// through, whatever the locale's decimal separator.
TEST(ProfileCsv, RowsAreThePointsOfTheDrawnCurve) {
    struct Row {
        ProfileId id;
        const char *name, *header, *fixed;
    };
    const Row rows[] = {
        {ProfileId::PhiAlongX, "fi-x", "x_m,fi_V", "fi(x) при Y_fix = 0.1 м"},
        {ProfileId::PhiAlongY, "fi-y", "y_m,fi_V", "fi(y) при X_fix = 0.75 м"},
        {ProfileId::ExAlongX, "ex-x", "x_m,Ex_V_per_m", "Ex(x) при Y_fix = 0.1 м"},
        {ProfileId::EyAlongX, "ey-x", "x_m,Ey_V_per_m", "Ey(x) при Y_fix = 0.1 м"},
        {ProfileId::ExAlongY, "ex-y", "y_m,Ex_V_per_m", "Ex(y) при X_fix = 0.75 м"},
        {ProfileId::EyAlongY, "ey-y", "y_m,Ey_V_per_m", "Ey(y) при X_fix = 0.75 м"},
    };
    const Scene s({.decimal_separator = ","});
    const FieldParams& m = s.params;
    const Frame& frame = s.picture.frame;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const ProfileKind& kind = profile_kind(r.id);
        EXPECT_EQ(profile_short_name(r.id), r.name);
        EXPECT_EQ(profile_from_short_name(r.name), r.id);

        const Table t = read_csv(profile_csv(m, frame, kind));
        EXPECT_EQ(t.comment, std::string("# ") + r.fixed +
                                 "; q1 = 0.4 нКл (x = -0.5 м), q2 = -0.1 нКл (x = 0.5 м)");
        EXPECT_EQ(t.header, r.header);
        ASSERT_EQ(t.rows.size(), static_cast<size_t>(m.profile_steps) + 1);

        // The curve as the window draws it: a dot at the start, then a segment to every sample.
        RecordingPictureBox pic;
        RecordingDialogs dialogs;
        ProfileSamples samples;
        draw_profile(m, frame, kind, 1, samples, pic, dialogs);
        const auto dots = pic.of(DrawCall::Dot);
        const auto segments = pic.of(DrawCall::Line, kCurveColour);
        ASSERT_EQ(segments.size(), static_cast<size_t>(m.profile_steps));
        const DrawCall& start = dots.back();
        EXPECT_EQ(kind.vertical ? start.y1 : start.x1, static_cast<float>(t.rows[0].first));
        EXPECT_EQ(kind.vertical ? start.x1 : start.y1, t.rows[0].second);
        for (size_t i = 1; i < t.rows.size(); ++i) {
            const DrawCall& s = segments[i - 1];
            EXPECT_EQ(kind.vertical ? s.y2 : s.x2, static_cast<float>(t.rows[i].first)) << i;
            EXPECT_EQ(kind.vertical ? s.x2 : s.y2, t.rows[i].second) << i;
            EXPECT_EQ(t.rows[i].first, samples.positions[i]) << i;
        }
    }
    EXPECT_FALSE(profile_from_short_name("fi-z").has_value());
}

} // namespace
