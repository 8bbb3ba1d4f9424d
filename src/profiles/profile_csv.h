#pragma once
// A profile's data as a text table for spreadsheets and scripts: the points the profile
// window's curve passes through, in UTF-8, comma-separated, with a decimal point in any locale.
#include <optional>
#include <string>
#include <string_view>

#include "model/field_params.h"
#include "picture/frame.h"
#include "profiles/profile_family.h"

// The short name of a profile on the command line and in file names: fi-x, fi-y, ex-x, ey-x,
// ex-y, ey-y (quantity, then the coordinate that runs along the line).
std::string_view profile_short_name(ProfileId id);
std::optional<ProfileId> profile_from_short_name(std::string_view name);

// The table of a profile for the current model: a comment line with the fixed coordinate and
// the charges, a header naming the columns with their units (x_m,fi_V; y_m,Ex_V_per_m ...), and
// profile_steps + 1 rows: the start of the line, then every sample, each as position and value. The
// values are those the curve is drawn through (single precision), the positions those they
// were computed at (double), each written in its shortest form that reads back exactly.
// The line runs across the frame of the main picture. Lines end in "\n".
std::string profile_csv(const FieldParams& params, const Frame& frame, const ProfileKind& kind);
