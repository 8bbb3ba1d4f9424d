#include "analysis/readout.h"

#include "model/numbers.h"
#include "model/point_field.h"

Readout readout_at(const Module1& m, float x, float y) {
    const auto f3 = [&m](double v) { return format_fixed(v, 3, m.dec_sep); };
    return {f3(x), f3(y), f3(fi_point(m, x, y)), f3(Ex_point(m, x, y)), f3(Ey_point(m, x, y))};
}
