#include "vb/random.h"

#include <QCoreApplication>
#include <QTime>

#include <bit>
#include <cstdint>
#include <mutex>
#include <random>

namespace vb {

namespace {

constexpr double SecondsPerDay = 86400.0;

// Drawn once per process from the system's entropy: copies of the program seeded at the same
// instant (workstations started together) still draw different numbers.
uint64_t processSalt()
{
    std::random_device device;
    return (uint64_t(device()) << 32) ^ device() ^ uint64_t(QCoreApplication::applicationPid());
}

struct Source {
    std::mutex mutex;
    uint64_t salt = processSalt();
    std::mt19937_64 engine{0x5EEDu ^ salt};   // a start of its own, as before any Randomize
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
    const uint64_t bits = std::bit_cast<uint64_t>(seed);
    std::seed_seq sequence{bits & 0xFFFFFFFFu, bits >> 32, s.salt & 0xFFFFFFFFu, s.salt >> 32};
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
