// Pieces computed on several threads and taken in order: every piece once, in order, with the
// worker's own index; a stop drops the rest; a failure reaches the caller.
#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <vector>

#include "base/parallel.h"

namespace {

TEST(Parallel, PiecesTakenInOrderOnceEach) {
    constexpr std::size_t kPieces = 1000;
    for (unsigned threads : {1u, 2u, 4u}) {
        SCOPED_TRACE(threads);
        std::vector<std::atomic<int>> computed(kPieces);
        std::vector<std::size_t> taken;
        bool workers_in_range = true;
        const PieceCompute<std::size_t> compute = [&](std::size_t i, unsigned worker,
                                                      std::size_t& out) {
            workers_in_range = workers_in_range && worker < threads;
            ++computed[i];
            out = i * i;
        };
        const PieceTake<std::size_t> take = [&](std::size_t i, std::size_t& in) {
            EXPECT_EQ(in, i * i);
            taken.push_back(i);
            return true;
        };
        EXPECT_TRUE(run_in_order(kPieces, threads, compute, take));
        ASSERT_EQ(taken.size(), kPieces);
        for (std::size_t i = 0; i < kPieces; ++i) {
            EXPECT_EQ(taken[i], i);
            EXPECT_EQ(computed[i], 1);
        }
        EXPECT_TRUE(workers_in_range);

        // Told to stop at piece 100: nothing after it is taken, little after it is computed.
        std::atomic<std::size_t> count{0};
        std::size_t last = 0;
        const PieceCompute<std::size_t> counting = [&](std::size_t, unsigned, std::size_t&) {
            ++count;
        };
        const PieceTake<std::size_t> stop_at_100 = [&](std::size_t i, std::size_t&) {
            last = i;
            return i < 100;
        };
        EXPECT_FALSE(run_in_order(kPieces, threads, counting, stop_at_100));
        EXPECT_EQ(last, 100u);
        EXPECT_LE(count.load(), 101 + parallel_detail::kAhead + threads);
    }
}

TEST(Parallel, FailureReachesTheCaller) {
    const PieceCompute<int> compute = [](std::size_t i, unsigned, int&) {
        if (i == 37) {
            throw std::runtime_error("piece 37");
        }
    };
    const PieceTake<int> take = [](std::size_t, int&) { return true; };
    for (unsigned threads : {1u, 2u}) {
        EXPECT_THROW(run_in_order(200, threads, compute, take), std::runtime_error) << threads;
    }
}

} // namespace
