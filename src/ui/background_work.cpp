#include "ui/background_work.h"

#include <QThreadPool>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>

namespace {

// What the work and its caller share; it lives as long as either holds it.
class Shared : public Progress {
  public:
    std::atomic<double> done{0};
    std::atomic<bool> stop{false};
    std::mutex mutex;
    std::condition_variable changed;
    bool ended = false;
    std::exception_ptr error;

  protected:
    // The work's reports, on its own thread.
    bool go_on(double share) override {
        done.store(share, std::memory_order_relaxed);
        return !stop.load(std::memory_order_relaxed);
    }
};

// How often the waiting interface thread passes the work's progress on (and so, at most every
// few of these, handles its events).
constexpr std::chrono::milliseconds kReportEvery{10};

} // namespace

bool run_in_background(Progress& progress, std::function<void(Progress&)> work) {
    auto shared = std::make_shared<Shared>();
    QThreadPool::globalInstance()->start([shared, work = std::move(work)] {
        std::exception_ptr error;
        try {
            work(*shared);
        } catch (...) {
            error = std::current_exception();
        }
        const std::lock_guard<std::mutex> lock(shared->mutex);
        shared->error = error;
        shared->ended = true;
        shared->changed.notify_all();
    });
    std::unique_lock<std::mutex> lock(shared->mutex);
    while (!shared->ended) {
        lock.unlock();
        if (!progress.report(shared->done.load(std::memory_order_relaxed))) {
            shared->stop.store(true, std::memory_order_relaxed);
            return false;
        }
        lock.lock();
        shared->changed.wait_for(lock, kReportEvery, [&] { return shared->ended; });
    }
    if (shared->error) {
        std::rethrow_exception(shared->error);
    }
    return !progress.stopped();
}
