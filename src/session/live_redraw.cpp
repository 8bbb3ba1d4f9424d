#include "session/live_redraw.h"

#include <algorithm>

double field_work(const FieldParams& params) {
    double work = 1;
    if (params.families != LineFamilies::FieldLines) {
        work += std::max(params.level_intervals, 0.0) + 1;
    }
    if (params.families != LineFamilies::Equipotentials) {
        work += 6.0 * std::max(static_cast<int>(params.lines_per_charge), 0);
    }
    return work;
}
