#pragma once
// Timings of the benchmarks: one run of a piece of work, and the median of several.
#include <QElapsedTimer>
#include <algorithm>
#include <functional>
#include <vector>

namespace bench {

// One timing of `work`, in milliseconds.
inline double Millis(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The median of `runs` timings of `work`, in milliseconds.
inline double MedianMillis(int runs, const std::function<void()> &work)
{
    std::vector<double> millis;
    for (int run = 0; run < runs; ++run)
        millis.push_back(Millis(work));
    return Median(std::move(millis));
}

} // namespace bench
