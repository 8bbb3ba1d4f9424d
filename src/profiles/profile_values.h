#pragma once
// Values of the six profile windows that outlive a redraw.
#include <array>
#include <cstddef>
#include <vector>

// The six profile windows, in the order in which start-up places them and a change of a charge
// or of the region redraws them.
enum class ProfileId { Form3, Form4, Form_Exx, Form_Eyx, Form_Exy, Form_Eyy };
inline constexpr std::size_t kProfileCount = 6;
constexpr std::size_t to_index(ProfileId id) {
    return static_cast<std::size_t>(id);
}

// What one drawing pass of a profile window sampled: positions, values, extremes and the range
// of the value axis. Indices 1 to n_pts are used; index 0 is left empty.
struct profile_state {
    std::vector<double> arg; // sample positions along the line, m
    std::vector<float> val;  // sampled values, V or V/m
    float v_max = 0;         // greatest sampled value, never below 0
    float v_min = 0;         // least sampled value, never above 0
    double d_arg = 0;        // step between neighbouring positions
    double v_lo = 0;         // lower end of the value axis
    double v_hi = 0;         // upper end of the value axis
    float d_val = 0;         // step of the value grid, set by the drawing pass
};

struct ProfileValues {
    std::array<profile_state, kProfileCount> prof; // indexed by to_index(ProfileId)
};
