#pragma once
// Independent pieces of a computation on all the machine's cores, their results taken in order.
//
// A piece is computed on any thread from its own inputs into its own result, and writes nothing
// else: no shared value, no picture box; the inputs it shares with the other pieces it only
// reads. The calling thread takes the results one by one in the order of the pieces (to draw
// them), and computes pieces itself while the next result is not ready.
#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// Whether this build can start threads. A WebAssembly build without them (a page without
// cross-origin isolation has no shared memory) computes everything on the calling thread.
#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
inline constexpr bool kThreadsAvailable = false;
#else
inline constexpr bool kThreadsAvailable = true;
#endif

// How many threads a computation may use; 0 (the default) means as many as the machine has
// cores (one where no thread can start). Benchmarks and tests pin it.
void set_worker_limit(unsigned threads);
unsigned worker_count();

// The threads for a computation of `pieces` pieces: one below `min_pieces` (starting threads,
// and waiting for a thread the system has not run yet, cost more than a few milliseconds of
// work gain), else worker_count().
unsigned workers_for(std::size_t pieces, std::size_t min_pieces);

// Computes pieces 0 .. count-1 with compute(i, worker, result) on `threads` threads (worker 0 is
// the calling thread, the others 1 .. threads-1, so that each can keep state of its own) and
// hands each result to take(i, result) on the calling thread, in order. take returns false to
// stop: the pieces not yet taken are dropped (the ones being computed are finished first).
// Returns false when stopped. Results are reused from piece to piece: compute overwrites one
// completely.
template <class Result> using PieceCompute = std::function<void(std::size_t, unsigned, Result&)>;
template <class Result> using PieceTake = std::function<bool(std::size_t, Result&)>;
template <class Result>
bool run_in_order(std::size_t count, unsigned threads, const PieceCompute<Result>& compute,
                  const PieceTake<Result>& take);

// ---------------------------------------------------------------------------------------------

namespace parallel_detail {

// At most this many pieces are computed ahead of the one to be taken.
inline constexpr std::size_t kAhead = 64;

template <class Result> class InOrder {
  public:
    InOrder(std::size_t count, const PieceCompute<Result>& compute)
        : count_(count), compute_(compute), slots_(std::min(count, kAhead)) {}

    // Claims the next piece within reach and computes it; false when there is none.
    bool work_one(std::unique_lock<std::mutex>& lock, unsigned worker) {
        if (stop_ || next_ >= count_ || next_ >= taken_ + slots_.size()) {
            return false;
        }
        const std::size_t i = next_++;
        Slot& s = slots_[i % slots_.size()];
        lock.unlock();
        try {
            compute_(i, worker, s.result);
        } catch (...) {
            lock.lock();
            if (!error_) {
                error_ = std::current_exception();
            }
            stop_ = true;
            s.done = true;
            changed_.notify_all();
            return true;
        }
        lock.lock();
        s.done = true;
        changed_.notify_all();
        return true;
    }

    void work(unsigned worker) {
        std::unique_lock<std::mutex> lock(mutex_);
        while (!stop_ && next_ < count_) {
            if (!work_one(lock, worker)) {
                changed_.wait(lock);
            }
        }
    }

    bool run(unsigned threads, const PieceTake<Result>& take) {
        std::vector<std::thread> helpers;
        for (unsigned t = 1; t < threads && t < count_; ++t) {
            helpers.emplace_back([this, t] { work(t); });
        }
        bool finished = true;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            for (std::size_t i = 0; i < count_ && !stop_; ++i) {
                Slot& s = slots_[i % slots_.size()];
                while (!s.done && !stop_) {
                    if (!work_one(lock, 0)) {
                        changed_.wait(lock);
                    }
                }
                if (stop_) {
                    break;
                }
                lock.unlock();
                const bool go_on = take(i, s.result);
                lock.lock();
                s.done = false;
                ++taken_;
                if (!go_on) {
                    stop_ = true;
                    finished = false;
                }
                changed_.notify_all();
            }
            stop_ = true;
            changed_.notify_all();
        }
        for (std::thread& t : helpers) {
            t.join();
        }
        if (error_) {
            std::rethrow_exception(error_);
        }
        return finished;
    }

  private:
    struct Slot {
        Result result{};
        bool done = false;
    };
    std::size_t count_;
    const PieceCompute<Result>& compute_;
    std::vector<Slot> slots_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::size_t next_ = 0;  // the next piece to claim
    std::size_t taken_ = 0; // pieces handed to take
    bool stop_ = false;
    std::exception_ptr error_;
};

} // namespace parallel_detail

template <class Result>
bool run_in_order(std::size_t count, unsigned threads, const PieceCompute<Result>& compute,
                  const PieceTake<Result>& take) {
    if (threads <= 1 || count <= 1 || !kThreadsAvailable) {
        Result r{};
        for (std::size_t i = 0; i < count; ++i) {
            compute(i, 0, r);
            if (!take(i, r)) {
                return false;
            }
        }
        return true;
    }
    parallel_detail::InOrder<Result> job(count, compute);
    return job.run(threads, take);
}
