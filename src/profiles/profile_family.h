#pragma once
// The six profile windows as data: each plots one quantity along one fixed line, and they
// differ only by the values in the table below.
#include <array>
#include <cstddef>
#include <cstdint>

#include "base/translator.h"
#include "model/field_params.h"
#include "model/point_field.h"

// The six profile windows, in the order in which start-up places them and a change of a charge
// or of the region redraws them.
enum class ProfileId { PhiAlongX, PhiAlongY, ExAlongX, EyAlongX, ExAlongY, EyAlongY };
inline constexpr std::size_t kProfileCount = 6;
constexpr std::size_t to_index(ProfileId id) {
    return static_cast<std::size_t>(id);
}

// Heights in the drawing of the windows on y = y_fixed, in terms of the value axis v_lo .. v_hi
// and the value grid step d_val. With no negative sample (v_lo >= 0): the
// x labels at xlab_dval*d_val + xlab_vhi*v_hi, the x axis lifted to axis_lift*d_val and the
// x-axis title at xtitle_dval*d_val. With no positive sample (v_hi <= 0): the value title at
// vtitle_lo*v_lo + vtitle_dval*d_val. The first extreme-value caption at ext_hi*v_hi + ext_lo*v_lo.
struct AxisConstants {
    double xlab_dval, xlab_vhi, axis_lift, xtitle_dval, vtitle_lo, vtitle_dval, ext_hi, ext_lo;
};
// The potential and Ey draw alike; Ex along y = y_fixed has five constants of its own.
inline constexpr AxisConstants kLikeFi{0.8, 0.0, 0.05, 1.5, 1.0, 1.0, 0.5, 0.5};
inline constexpr AxisConstants kLikeExx{0.0, 0.1, 0.0, 2.7, 0.9, 0.0, 1.0, 0.0};
inline constexpr AxisConstants kNoAxisConstants{0, 0, 0, 0, 0, 0, 0, 0};

// A text the table has not: no tool tip, no message.
inline constexpr SourceText kNoText{"Profiles", nullptr};

using PointFunction = float (*)(const FieldParams&, double x, double y);

struct ProfileKind {
    ProfileId id;
    SourceText caption;     // window caption
    SourceText picture_tip; // tool-tip of the picture ("" for none)
    SourceText label_tip;   // tool-tip of the scale label ("" for none)
    bool label_border;      // a single-line border around the scale label
    // false: along y = y_fixed, position across and value upward, scale bar on the left;
    // true: along x = x_fixed, value across and position upward, scale bar across the top.
    bool vertical;
    PointFunction f;
    SourceText value_title;
    SourceText position_title;
    SourceText max_caption;
    SourceText min_caption;
    SourceText unit;
    SourceText warn1; // the two lines of the warning when the profile is all zero
    SourceText warn2;

    // Placement relative to the main window (width, height, left, top, in twips):
    // Width = w*W, Height = h*H, Left = Lf + left*W, Top = Tf + top*H.
    double w, h, left, top;

    AxisConstants axes; // used by the windows on y = y_fixed only

    // Windows on x = x_fixed: the position grid spans as many ticks as the value grid instead of
    // the region; and a message shown in place of the drawing when q2 = -q1 and x_fixed = 0
    // (kNoText: none).
    bool position_grid_by_value_grid;
    SourceText opposite_message;
};

inline constexpr std::array<ProfileKind, kProfileCount> kProfiles = {{
    {ProfileId::PhiAlongX,
     CF_TEXT("Profiles", "Потенциал fi(x, Y) при фиксированном Y"),
     CF_TEXT("Profiles", "Зависимость потенциала от координаты х при фиксированном у"),
     CF_TEXT("Profiles", "масштаб по оси потенциала"),
     false,
     false,
     &potential_at,
     CF_TEXT("Profiles", "Fi(x,Y_fix), B"),
     CF_TEXT("Profiles", "X, м"),
     SourceText{"Profiles", "fi_max= "},
     SourceText{"Profiles", "fi_min= "},
     CF_TEXT("Profiles", " В"),
     CF_TEXT("Profiles", "Зарядов нет?"),
     CF_TEXT("Profiles", "Поля нет-3!"),
     0.81,
     1.0 / 3,
     -0.05,
     5.0 / 6,
     kLikeFi,
     false,
     kNoText},
    {ProfileId::PhiAlongY,
     CF_TEXT("Profiles", "Потенциал fi(X, y) при фиксированном X"),
     CF_TEXT("Profiles", "Зависимость потенциала от координаты y при фиксированном X"),
     CF_TEXT("Profiles", "масштаб по оси потенциала"),
     true,
     true,
     &potential_at,
     CF_TEXT("Profiles", "Fi(X_fix, y), B"),
     CF_TEXT("Profiles", "Y, м"),
     SourceText{"Profiles", "fi_max= "},
     SourceText{"Profiles", "fi_min= "},
     CF_TEXT("Profiles", " В"),
     CF_TEXT("Profiles", "Зарядов нет? Совсем?"),
     CF_TEXT("Profiles", "Поля нет!"),
     0.3,
     1.0,
     1.0,
     0.0,
     kNoAxisConstants,
     true,
     CF_TEXT("Profiles",
             "Для зависимости fi(X_fix,y)  \rПри одинаковых по величине разноименных зарядах\r"
             "при x=0 y-любое!")},
    {ProfileId::ExAlongX,
     CF_TEXT("Profiles", "напряженность Ex(x, Y) при фиксированном Y"),
     CF_TEXT("Profiles", "Зависимость напряженности Ex от координаты х при фиксированном у"),
     SourceText{"Profiles", ""},
     false,
     false,
     &ex_at,
     CF_TEXT("Profiles", "Ex(x,Y_fix), B/м"),
     CF_TEXT("Profiles", "X, м"),
     SourceText{"Profiles", "Ex_max= "},
     SourceText{"Profiles", "Ex_min= "},
     CF_TEXT("Profiles", " В/м"),
     CF_TEXT("Profiles", "Зарядов нет?"),
     CF_TEXT("Profiles", "Поля нет-Exx!"),
     0.81,
     1.0 / 3,
     -0.05,
     19.0 / 18,
     kLikeExx,
     false,
     kNoText},
    {ProfileId::EyAlongX,
     CF_TEXT("Profiles", "напряженность Ey(x, Y) при фиксированном Y"),
     SourceText{"Profiles", ""},
     SourceText{"Profiles", ""},
     false,
     false,
     &ey_at,
     CF_TEXT("Profiles", "Ey(x,Y_fix), B/м"),
     CF_TEXT("Profiles", "X, м"),
     SourceText{"Profiles", "Ey_max= "},
     SourceText{"Profiles", "Ey_min= "},
     CF_TEXT("Profiles", " В/м"),
     CF_TEXT("Profiles", "При y=0"),
     SourceText{"Profiles", "Ey=0!"},
     0.81,
     1.0 / 3,
     -0.05,
     23.0 / 18,
     kLikeFi,
     false,
     kNoText},
    {ProfileId::ExAlongY,
     CF_TEXT("Profiles", "Напряженность Ex(X, y) при фиксированном X"),
     CF_TEXT("Profiles", "Зависимость напряженности Ex от координаты y при фиксированном X"),
     SourceText{"Profiles", ""},
     true,
     true,
     &ex_at,
     CF_TEXT("Profiles", "Ex(X_fix, y), B/м"),
     CF_TEXT("Profiles", "Y, м"),
     SourceText{"Profiles", "Ex_max= "},
     SourceText{"Profiles", "Ex_min= "},
     CF_TEXT("Profiles", " В/м"),
     CF_TEXT("Profiles", "Зарядов нет? Совсем?"),
     CF_TEXT("Profiles", "Поля нет-Exy!"),
     0.3,
     1.0,
     19.0 / 18,
     0.0,
     kNoAxisConstants,
     false,
     kNoText},
    {ProfileId::EyAlongY,
     CF_TEXT("Profiles", "Напряженность Ey(X, y) при фиксированном X"),
     CF_TEXT("Profiles", "Зависимость напряженности Ey от координаты y при фиксированном X"),
     SourceText{"Profiles", ""},
     false,
     true,
     &ey_at,
     CF_TEXT("Profiles", "Ey(X_fix, y), B/м"),
     CF_TEXT("Profiles", "Y, м"),
     SourceText{"Profiles", "Ey_max= "},
     SourceText{"Profiles", "Ey_min= "},
     CF_TEXT("Profiles", " В/м"),
     CF_TEXT("Profiles", "Зарядов нет? Совсем?"),
     CF_TEXT("Profiles", "Поля нет-Eyy!"),
     0.3,
     1.0,
     22.0 / 18,
     0.0,
     kNoAxisConstants,
     false,
     kNoText},
}};

constexpr const ProfileKind& profile_kind(ProfileId id) {
    return kProfiles[to_index(id)];
}

// A window's outer position and size, in twips.
struct TwipRect {
    double left = 0, top = 0, width = 0, height = 0;
};

// Where start-up puts a profile window, from the main window's outer Width W, Height H, Left Lf
// and Top Tf (twips).
TwipRect profile_placement(const ProfileKind& kind, double W, double H, double Lf, double Tf);

// Positions and sizes of a profile window's three controls, in pixels of its inner area.
struct PixelRect {
    float left = 0, top = 0, width = 0, height = 0;
};
struct ProfileLayout {
    PixelRect bar, label, picture;
    bool usable = false; // false when the inner area is smaller than the margins
};

// The main window's layout measures, in pixels, which the profile windows share: zero until
// its first layout.
struct LayoutMeasures {
    int gap_x = 0, gap_y = 0;
    int column_width = 0;
    std::int16_t row_height = 0;
};

// The layout of a profile window with inner width SW and height SH (pixels), from the main
// window's layout measures.
ProfileLayout profile_layout(const LayoutMeasures& measures, const ProfileKind& kind, float SW,
                             float SH);

// The scale factor the scale bar's position gives, and the label texts for it.
double profile_factor(int bar_value);
