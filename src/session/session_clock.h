#pragma once
// The clocks a session reads: the time of day, whose minutes and seconds time «расчёт» for the
// caption, and a steady clock, which times the live redraw. Tests hand a clock of their own.
class SessionClock {
  public:
    virtual ~SessionClock() = default;
    // The minute (0 to 59) and the second (0 to 59) of the local time of day.
    struct MinuteSecond {
        int minute;
        int second;
    };
    virtual MinuteSecond time_of_day() = 0;
    // Seconds on a clock that only runs forward, from an arbitrary start.
    virtual double seconds() = 0;
};

// The system's clocks.
SessionClock& system_clock();
