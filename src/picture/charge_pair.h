#pragma once
// The two point charges as the field views need them, apart from the program's state: q1 at
// (-half_distance, 0) and q2 at (+half_distance, 0), in nC, lengths in metres.
#include "model/field_params.h"

struct ChargePair {
    double q1 = 0;
    double q2 = 0;
    double half_distance = 0.5;
    int coulomb_k = 9; // V*m/nC
};

inline ChargePair charge_pair(const FieldParams& params) {
    return {params.q1, params.q2, params.half_distance, params.coulomb_k};
}
