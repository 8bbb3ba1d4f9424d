#pragma once
// The charges the scroll bars set, -1 to 1 nC in steps of 0.05, paired and sorted by the kind of
// field they make: a table of kinds sweeps the whole grid with each edge case under its name.
#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "support/scene.h"

enum class PairKind {
    Unlike,           // opposite signs, different magnitudes
    EqualAndOpposite, // q2 = -q1
    Like,             // the same sign, different magnitudes
    EqualLike,        // q2 = q1
    OneZero,          // one charge zero, the other not
    BothZero,
};

struct ChargePair {
    double q1, q2;
};

// Every pair of scroll-bar charges of the kind.
inline std::vector<ChargePair> scroll_bar_pairs(PairKind kind) {
    const auto kind_of = [](int i, int j) {
        if (i == 0 || j == 0) {
            return i == j ? PairKind::BothZero : PairKind::OneZero;
        }
        if (i == -j) {
            return PairKind::EqualAndOpposite;
        }
        if (i == j) {
            return PairKind::EqualLike;
        }
        return (i > 0) == (j > 0) ? PairKind::Like : PairKind::Unlike;
    };
    std::vector<ChargePair> pairs;
    for (int i = -20; i <= 20; ++i) {
        for (int j = -20; j <= 20; ++j) {
            if (kind_of(i, j) == kind) {
                pairs.push_back({i * 0.05, j * 0.05});
            }
        }
    }
    return pairs;
}

// A row of a sweep: a kind of pairs and what every scene of one of them is to show.
struct PairsRow {
    const char* name;
    PairKind kind;
    void (*expect)(const Scene&);
};

// For every row, every pair of its kind: a scene of the pair (the other inputs as given), `act`
// on it, nothing non-finite drawn, and the row's check; each under the row's name and the
// charges, stopping at the first pair that fails.
template <class Act>
void sweep_pairs(std::initializer_list<PairsRow> rows, Act act, FieldParams inputs = {}) {
    for (const PairsRow& row : rows) {
        SCOPED_TRACE(row.name);
        for (const ChargePair& c : scroll_bar_pairs(row.kind)) {
            SCOPED_TRACE(testing::Message() << "q1 = " << c.q1 << ", q2 = " << c.q2);
            inputs.q1 = c.q1;
            inputs.q2 = c.q2;
            Scene s(inputs);
            act(s);
            EXPECT_EQ(s.pic.rejected(), 0u);
            row.expect(s);
            if (testing::Test::HasFailure()) {
                return;
            }
        }
    }
}
