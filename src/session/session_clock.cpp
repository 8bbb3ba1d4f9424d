#include "session/session_clock.h"

#include <chrono>
#include <ctime>

namespace {

class SystemClock : public SessionClock {
  public:
    MinuteSecond time_of_day() override {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        // A leap second reads as the second before it.
        return {local.tm_min, local.tm_sec > 59 ? 59 : local.tm_sec};
    }
    double seconds() override {
        return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
};

} // namespace

SessionClock& system_clock() {
    static SystemClock clock;
    return clock;
}
