// The length of the computer's pause.
#pragma once

namespace jumpline {

// The pause runs until the seconds-of-day clock, read as a single-precision number and
// rounded to a whole second, has advanced by one: between about 0.5 s and 1.5 s. It is
// worked out once from the clock at its start, so a pause that spans midnight (when the
// clock starts again from 0) still ends in time. Returns milliseconds, 0..1500.
int pauseMilliseconds(double secondsSinceMidnight);

} // namespace jumpline
