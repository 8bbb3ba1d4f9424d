#include "analysis/readout.h"

#include "model/numbers.h"
#include "model/point_field.h"

Readout readout_at(const FieldParams& params, float x, float y) {
    const auto f3 = [&params](double v) { return format_fixed(v, 3, params.decimal_separator); };
    return {f3(x), f3(y), f3(potential_at(params, x, y)), f3(ex_at(params, x, y)),
            f3(ey_at(params, x, y))};
}
