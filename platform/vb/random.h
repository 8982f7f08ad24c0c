#pragma once
// Rnd, Randomize and Timer: one pseudo-random source for the whole process, as the runtime has.
// The same seed repeats the same numbers within a process; another process (another
// workstation seeded from the clock at the same instant) draws numbers of its own.
#include <optional>

namespace vb {

// Seconds since midnight, with fractions.
double Timer();
// Reseeds from the clock: seconds since midnight plus the time of day as a fraction of a day.
void Randomize();
// Reseeds from the given number.
void Randomize(double seed);
// The seed Randomize() takes from a clock reading (seconds since midnight).
double ClockSeed(double secondsSinceMidnight);
// Uniform in [0, 1).
double Rnd();

} // namespace vb
