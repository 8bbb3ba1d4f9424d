#pragma once
// Counted loops fix their end and step at entry, in the counter's own precision; the counter
// accumulates the step and the end is inclusive. A step of the wrong sign, a zero step or a
// non-finite bound runs the loop zero times.

template <class T> constexpr bool loop_goes_on(T counter, T end, T step) {
    if (step > 0) {
        return counter <= end;
    }
    if (step < 0) {
        return counter >= end;
    }
    return false;
}
