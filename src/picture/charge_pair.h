#pragma once
// The two point charges as the field views below need them, apart from the program's state:
// q1 at (-half_distance, 0) and q2 at (+half_distance, 0), in nC, lengths in metres.

struct ChargePair {
    double q1 = 0;
    double q2 = 0;
    double half_distance = 0.5;
    int coulomb_k = 9; // V*m/nC
};
