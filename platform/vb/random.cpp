#include "vb/random.h"

#include <QTime>

#include <bit>
#include <cstdint>
#include <mutex>
#include <random>

namespace vb {

namespace {

constexpr double SecondsPerDay = 86400.0;

struct Source {
    std::mutex mutex;
    std::mt19937_64 engine{0x5EEDu};   // a fixed start, as before any Randomize
};

Source &source()
{
    static Source s;
    return s;
}

} // namespace

double Timer()
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

double ClockSeed(double secondsSinceMidnight)
{
    return secondsSinceMidnight + secondsSinceMidnight / SecondsPerDay;
}

void Randomize()
{
    Randomize(ClockSeed(Timer()));
}

void Randomize(double seed)
{
    Source &s = source();
    const std::lock_guard lock(s.mutex);
    std::seed_seq sequence{std::bit_cast<uint64_t>(seed) & 0xFFFFFFFFu, std::bit_cast<uint64_t>(seed) >> 32};
    s.engine.seed(sequence);
}

double Rnd()
{
    Source &s = source();
    const std::lock_guard lock(s.mutex);
    // 53 random bits: uniform in [0, 1) and never 1.
    return static_cast<double>(s.engine() >> 11) * 0x1.0p-53;
}

} // namespace vb
