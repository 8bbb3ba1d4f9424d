#include "base/parallel.h"

#include <atomic>

namespace {

std::atomic<unsigned> limit{0};

} // namespace

void set_worker_limit(unsigned threads) {
    limit = threads;
}

unsigned workers_for(std::size_t pieces, std::size_t min_pieces) {
    return pieces < min_pieces ? 1 : worker_count();
}

unsigned worker_count() {
    if (!kThreadsAvailable) {
        return 1;
    }
    const unsigned set = limit;
    if (set > 0) {
        return set;
    }
    const unsigned cores = std::thread::hardware_concurrency();
    return cores > 0 ? cores : 1;
}
