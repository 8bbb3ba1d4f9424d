// Sampling along the profile lines and the drawing passes of the six profile windows, on the
// recording picture box.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "profiles/profile_draw.h"
#include "support/coulomb.h"
#include "support/scene.h"

namespace {

constexpr ProfileId kAll[] = {ProfileId::PhiAlongX, ProfileId::PhiAlongY, ProfileId::ExAlongX,
                              ProfileId::EyAlongX,  ProfileId::ExAlongY,  ProfileId::EyAlongY};

// A scene whose frame the profiles read (the main picture's), with the samples of each window.
struct Profiles : Scene {
    using Scene::Scene;
    std::array<ProfileSamples, kProfileCount> samples;
    void draw(ProfileId id, double scale = 1) {
        pic.forget();
        dialogs.shown.clear();
        draw_profile(params, picture.frame, profile_kind(id), scale, samples[to_index(id)], pic,
                     dialogs);
    }
    void sample(ProfileId id, double scale = 1) {
        sample_profile(params, picture.frame, profile_kind(id), scale, samples[to_index(id)]);
    }
    const ProfileSamples& s(ProfileId id) const { return samples[to_index(id)]; }
    std::string warning() const { return dialogs.shown.empty() ? "" : dialogs.shown[0].text; }
};

// The quantity of a window at (x, y), from Coulomb's law.
double exact(const FieldParams& p, ProfileId id, double x, double y) {
    switch (id) {
    case ProfileId::PhiAlongX:
    case ProfileId::PhiAlongY:
        return coulomb::potential(p, x, y);
    case ProfileId::ExAlongX:
    case ProfileId::ExAlongY:
        return coulomb::field(p, x, y).ex;
    default:
        return coulomb::field(p, x, y).ey;
    }
}

std::vector<DrawCall> curve(const RecordingPictureBox& pic) {
    return pic.of(DrawCall::Line, kCurveColour);
}

// Default region (L = 4): position step 0.016; positions -3.984 (first) to 4 (500th), on both
// kinds of line.
TEST(ProfileSampling, PositionsStartOneStepInsideAndEndAtTheEdge) {
    Profiles sc;
    for (ProfileId id : {ProfileId::PhiAlongX, ProfileId::PhiAlongY}) {
        sc.sample(id);
        const ProfileSamples& s = sc.s(id);
        ASSERT_EQ(s.positions.size(), 501u);
        EXPECT_DOUBLE_EQ(s.position_step, 0.016);
        EXPECT_DOUBLE_EQ(s.positions[1], -3.984);
        EXPECT_DOUBLE_EQ(s.positions[500], 4.0);
    }
}

// The potential along y = y_fixed with the defaults: the greatest value near x = -0.5, the least
// near x = 0.5, 1 % margin, factor 1.
TEST(ProfileSampling, DefaultPotentialRangeWithMargin) {
    Profiles sc;
    sc.draw(ProfileId::PhiAlongX);
    const ProfileSamples& s = sc.s(ProfileId::PhiAlongX);
    EXPECT_NEAR(s.max_value, 35.07, 0.01);
    EXPECT_NEAR(s.min_value, -5.40, 0.01);
    EXPECT_NEAR(s.axis_high, 35.42, 0.01);
    EXPECT_NEAR(s.axis_low, -5.45, 0.01);
    EXPECT_FLOAT_EQ(s.value_grid_step, static_cast<float>((s.axis_high - s.axis_low) / 20));
    const auto texts = sc.pic.texts();
    EXPECT_EQ(texts[texts.size() - 2], "fi_max= 35.07 В");
    EXPECT_EQ(texts.back(), "fi_min= -5.40 В");
    EXPECT_TRUE(sc.dialogs.shown.empty());
}

// A factor of 1.95 widens the value axis to 1.95 times the sampled range; 0.05 narrows it.
TEST(ProfileSampling, ScaleFactorWidensTheValueAxis) {
    Profiles sc;
    for (double factor : {0.05, 1.95}) {
        sc.sample(ProfileId::EyAlongY, factor);
        const ProfileSamples& s = sc.s(ProfileId::EyAlongY);
        EXPECT_DOUBLE_EQ(s.axis_high, factor * (s.max_value * 1.01));
        EXPECT_DOUBLE_EQ(s.axis_low, factor * (s.min_value * 1.01));
    }
}

// q2 = 0 and q1 > 0: every potential sample is positive, so v_min = v_lo = 0; the x axis is lifted
// to 0.05 d_val, its labels stand at 0.8 d_val and its title at 1.5 d_val.
TEST(ProfileDrawing, PositiveProfileLiftsTheXAxis) {
    Profiles sc({.q2 = 0});
    sc.draw(ProfileId::PhiAlongX);
    const ProfileSamples& s = sc.s(ProfileId::PhiAlongX);
    EXPECT_EQ(s.min_value, 0.0f);
    EXPECT_EQ(s.axis_low, 0.0);
    const double dv = s.value_grid_step;
    const auto axes = sc.pic.of(DrawCall::Line, kAxisColour);
    ASSERT_EQ(axes.size(), 2u);
    EXPECT_FLOAT_EQ(axes[0].y1, static_cast<float>(0.05 * dv));
    EXPECT_EQ(axes[0].width, 2);
    const auto dots = sc.pic.of(DrawCall::Dot);
    EXPECT_FLOAT_EQ(dots[0].y1, static_cast<float>(0.8 * dv));
    for (const DrawCall& c : sc.pic.calls) {
        if (c.kind == DrawCall::Text && c.text == "X, м") {
            EXPECT_FLOAT_EQ(c.y1, static_cast<float>(1.5 * dv));
        }
        if (c.kind == DrawCall::Text && c.text.rfind("fi_max= ", 0) == 0) {
            EXPECT_FLOAT_EQ(c.y1, static_cast<float>((s.axis_high + s.axis_low) / 2));
        }
    }
    EXPECT_EQ(sc.pic.texts().back(), "fi_min= 0.00 В");
}

// Ex along y = 3 over a region of L = 1 beside equal and opposite charges is positive everywhere
// (and negative everywhere when the charges swap): ExAlongX keeps its axis at 0, its labels at
// 0.1 v_hi, its title "X, м" at 2.7 d_val, its first caption at v_hi and, with no positive value,
// its value title at 0.9 v_lo.
TEST(ProfileDrawing, FieldAlongXHasItsOwnConstants) {
    Profiles sc({.q2 = -0.4, .half_width = 1, .y_fixed = 3});
    sc.draw(ProfileId::ExAlongX);
    const ProfileSamples& s = sc.s(ProfileId::ExAlongX);
    ASSERT_EQ(s.axis_low, 0.0);
    const double dv = s.value_grid_step;
    EXPECT_FLOAT_EQ(sc.pic.of(DrawCall::Line, kAxisColour)[0].y1, 0.0f);
    EXPECT_FLOAT_EQ(sc.pic.of(DrawCall::Dot)[0].y1, static_cast<float>(0.1 * s.axis_high));
    for (const DrawCall& c : sc.pic.calls) {
        if (c.kind == DrawCall::Text && c.text == "X, м") {
            EXPECT_FLOAT_EQ(c.y1, static_cast<float>(2.7 * dv));
        }
        if (c.kind == DrawCall::Text && c.text.rfind("Ex_max= ", 0) == 0) {
            EXPECT_FLOAT_EQ(c.y1, static_cast<float>(s.axis_high));
        }
    }

    sc.params.q1 = -0.4;
    sc.params.q2 = 0.4;
    sc.draw(ProfileId::ExAlongX);
    ASSERT_EQ(sc.s(ProfileId::ExAlongX).axis_high, 0.0);
    for (const DrawCall& c : sc.pic.calls) {
        if (c.kind == DrawCall::Text && c.text == "Ex(x,Y_fix), B/м") {
            EXPECT_FLOAT_EQ(c.y1, static_cast<float>(0.9 * sc.s(ProfileId::ExAlongX).axis_low));
        }
    }
    EXPECT_EQ(sc.pic.texts()[sc.pic.texts().size() - 2].substr(0, 12), "Ex_max= 0.00");
}

// Default model: 31 vertical grid lines at -3.75 ... 3.75, x labels 2 i tick with one decimal,
// the two titles.
TEST(ProfileDrawing, DefaultGridAndTitles) {
    Profiles sc;
    sc.draw(ProfileId::PhiAlongX);
    std::vector<float> xs;
    for (const DrawCall& c : sc.pic.of(DrawCall::Line, kGridColour)) {
        if (c.x1 == c.x2) {
            xs.push_back(c.x1);
        }
    }
    ASSERT_EQ(xs.size(), 31u);
    EXPECT_FLOAT_EQ(xs.front(), -3.75f);
    EXPECT_FLOAT_EQ(xs.back(), 3.75f);
    const auto texts = sc.pic.texts();
    EXPECT_EQ(texts[0], "-7.5");
    EXPECT_EQ(texts[14], "-0.5");
    EXPECT_EQ(texts[15], "0.5");
    EXPECT_NE(std::find(texts.begin(), texts.end(), "X, м"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Fi(x,Y_fix), B"), texts.end());
}

// y_fixed = 0: Ey vanishes on the axis, EyAlongX warns with its own lines and stays blank.
TEST(ProfileDrawing, EyAlongTheAxisIsNoField) {
    Profiles sc({.y_fixed = 0});
    sc.draw(ProfileId::EyAlongX);
    const ProfileSamples& s = sc.s(ProfileId::EyAlongX);
    EXPECT_TRUE(std::all_of(s.values.begin(), s.values.end(), [](float v) { return v == 0; }));
    ASSERT_EQ(sc.dialogs.shown.size(), 1u);
    EXPECT_EQ(sc.dialogs.shown[0].text, "При y=0\rEy=0!");
    EXPECT_EQ(sc.dialogs.shown[0].title, "ПРЕДУПРЕЖДЕНИЕ");
    EXPECT_TRUE(sc.pic.calls.empty());
}

// q1 = q2 = 0: every window fails the no-field test with its own texts; with x_fixed = 0 the
// potential window on x = x_fixed shows its own three-line message instead.
TEST(ProfileDrawing, NoChargesWarnInEveryWindow) {
    Profiles sc({.q1 = 0, .q2 = 0});
    const std::pair<ProfileId, const char*> warnings[] = {
        {ProfileId::PhiAlongX, "Зарядов нет?\rПоля нет-3!"},
        {ProfileId::PhiAlongY, "Зарядов нет? Совсем?\rПоля нет!"},
        {ProfileId::ExAlongX, "Зарядов нет?\rПоля нет-Exx!"},
        {ProfileId::EyAlongX, "При y=0\rEy=0!"},
        {ProfileId::ExAlongY, "Зарядов нет? Совсем?\rПоля нет-Exy!"},
        {ProfileId::EyAlongY, "Зарядов нет? Совсем?\rПоля нет-Eyy!"}};
    for (const auto& [id, warning] : warnings) {
        sc.draw(id);
        EXPECT_EQ(sc.warning(), warning);
        EXPECT_TRUE(sc.pic.calls.empty());
    }
    sc.params.x_fixed = 0;
    sc.draw(ProfileId::PhiAlongY);
    EXPECT_EQ(sc.warning(), "Для зависимости fi(X_fix,y)  \rПри одинаковых по величине "
                            "разноименных зарядах\rпри x=0 y-любое!");
}

// q2 = -q1 and x_fixed = 0: PhiAlongY warns before sampling, EyAlongY finds no field, ExAlongY
// draws.
TEST(ProfileDrawing, OppositeChargesOnTheBisector) {
    Profiles sc({.q2 = -0.4, .x_fixed = 0});
    sc.draw(ProfileId::PhiAlongY);
    ASSERT_EQ(sc.dialogs.shown.size(), 1u);
    const std::string text = sc.warning();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 2);
    EXPECT_TRUE(sc.pic.calls.empty());
    EXPECT_TRUE(sc.s(ProfileId::PhiAlongY).positions.empty()); // nothing sampled
    sc.draw(ProfileId::EyAlongY);
    EXPECT_EQ(sc.warning(), "Зарядов нет? Совсем?\rПоля нет-Eyy!");
    sc.draw(ProfileId::ExAlongY);
    EXPECT_TRUE(sc.dialogs.shown.empty());
    EXPECT_EQ(curve(sc.pic).size(), 500u);
}

// q1 = q2 with x_fixed = 0: Ex vanishes on the bisector, so ExAlongY warns; PhiAlongY draws.
TEST(ProfileDrawing, EqualChargesOnTheBisector) {
    Profiles sc({.q2 = 0.4, .x_fixed = 0});
    sc.draw(ProfileId::ExAlongY);
    EXPECT_EQ(sc.warning(), "Зарядов нет? Совсем?\rПоля нет-Exy!");
    EXPECT_TRUE(sc.pic.calls.empty());
    sc.draw(ProfileId::PhiAlongY);
    EXPECT_TRUE(sc.dialogs.shown.empty());
    EXPECT_EQ(curve(sc.pic).size(), 500u);
}

// L = 6 (48 grid steps): the position grid of ExAlongY and EyAlongY reaches +-5.75, PhiAlongY's
// only
// +-4.75 whatever the region.
TEST(ProfileDrawing, PositionGridExtentsOnTheVerticalLine) {
    Profiles sc({.half_width = 6});
    ASSERT_DOUBLE_EQ(sc.picture.frame.grid_steps, 48);
    const std::pair<ProfileId, float> cases[] = {
        {ProfileId::PhiAlongY, 4.75f}, {ProfileId::ExAlongY, 5.75f}, {ProfileId::EyAlongY, 5.75f}};
    for (const auto& [id, reach] : cases) {
        sc.draw(id);
        float lo = 0, hi = 0;
        for (const DrawCall& c : sc.pic.of(DrawCall::Line, kGridColour)) {
            if (c.y1 == c.y2) {
                lo = std::min(lo, c.y1);
                hi = std::max(hi, c.y1);
            }
        }
        EXPECT_FLOAT_EQ(hi, reach) << to_index(id);
        EXPECT_FLOAT_EQ(lo, -reach) << to_index(id);
    }
}

// Every vertex of every curve lies where Coulomb's law puts the field at its sample, with the
// picture turned for the windows on x = x_fixed; the polyline is continuous from the line's start.
TEST(ProfileCurves, VerticesFollowTheExactField) {
    struct Row {
        const char* name;
        double q1, q2, L, y_fix, x_fix;
    };
    const Row rows[] = {
        {"defaults", 0.4, -0.1, 4, 0.1, 0.75},
        {"weaker right charge, lines below the axis and left of the charges", -0.7, 0.35, 2.5, -0.6,
         -1.3},
        {"the largest equal charges in the largest region", 1, 1, 7, 2, 0.2},
    };
    for (const Row& in : rows) {
        Profiles sc({.q1 = in.q1,
                     .q2 = in.q2,
                     .half_width = in.L,
                     .y_fixed = in.y_fix,
                     .x_fixed = in.x_fix});
        for (ProfileId id : kAll) {
            SCOPED_TRACE(testing::Message() << in.name << ", window " << to_index(id));
            sc.draw(id);
            const bool vertical = profile_kind(id).vertical;
            const auto lines = curve(sc.pic);
            ASSERT_EQ(lines.size(), 500u);
            const auto at = [&](double pos) {
                const double v = vertical ? exact(sc.params, id, in.x_fix, pos)
                                          : exact(sc.params, id, pos, in.y_fix);
                return vertical ? std::pair{v, pos} : std::pair{pos, v};
            };
            const auto near = [](double got, double want) {
                return std::abs(got - want) <= 1e-5 * std::abs(want) + 1e-5;
            };
            const auto [sx, sy] = at(-in.L);
            EXPECT_TRUE(near(lines[0].x1, sx) && near(lines[0].y1, sy)) << "start";
            for (int i = 1; i <= 500; ++i) {
                const DrawCall& c = lines[i - 1];
                const auto [x, y] = at(-in.L + i * (2 * in.L / 500));
                ASSERT_TRUE(near(c.x2, x) && near(c.y2, y))
                    << "vertex " << i << ": (" << c.x2 << ", " << c.y2 << ") vs (" << x << ", " << y
                    << ")";
                if (i > 1) {
                    ASSERT_EQ(c.x1, lines[i - 2].x2);
                    ASSERT_EQ(c.y1, lines[i - 2].y2);
                }
                ASSERT_EQ(c.width, 2);
            }
        }
    }
}

// Samples on or next to a charge, and inputs that overflow single precision: nothing non-finite
// reaches the picture box. On x = a + 1 ulp the middle sample (y = 0) sits against the right
// charge, where Ex overflows; on y = 0 with L = 5 samples land on both charges; a y beyond the
// range of the fields gives no number, which counts as no field.
TEST(ProfileDrawing, SamplesAtChargesStayFinite) {
    Profiles sc;
    sc.params.x_fixed = std::nextafter(0.5, 1.0);
    sc.draw(ProfileId::ExAlongY);
    EXPECT_EQ(sc.pic.rejected(), 0u);
    EXPECT_EQ(sc.s(ProfileId::ExAlongY).min_value, -kSampleLimit);
    EXPECT_EQ(curve(sc.pic).size(), 500u);

    sc.params.half_width = 5;
    sc.frame();
    sc.params.y_fixed = 0;
    for (ProfileId id : {ProfileId::PhiAlongX, ProfileId::ExAlongX}) {
        sc.draw(id);
        EXPECT_EQ(sc.pic.rejected(), 0u);
        const auto& val = sc.s(id).values;
        EXPECT_TRUE(std::all_of(val.begin(), val.end(), [](float v) { return std::isfinite(v); }));
    }

    sc.params.y_fixed = 1.7e308;
    sc.draw(ProfileId::EyAlongX);
    EXPECT_EQ(sc.pic.rejected(), 0u);
    EXPECT_EQ(sc.warning(), "При y=0\rEy=0!");
}

} // namespace
