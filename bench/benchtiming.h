#pragma once
// Timings of the benchmarks: one run of a piece of work, the median of several, and how a
// figure is printed: beside its floor from the same run, or against a goal in milliseconds
// where the work has no floor worth the name.
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
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

// The median of what `runs` calls of `work` return.
template <class Work> double MedianOf(int runs, Work work)
{
    std::vector<double> values;
    for (int run = 0; run < runs; ++run)
        values.push_back(work());
    return Median(std::move(values));
}

inline void Figure(const char *what, double figure, double floor, const char *goal)
{
    std::printf("%-46s %9.1f ms   floor %9.1f ms   ratio %5.2f   (goal: %s)\n", what, figure, floor, figure / floor, goal);
}

inline void FigureAgainstGoal(const char *what, double figure, double goalMillis)
{
    std::printf("%-46s %9.2f ms   (goal: under %.0f ms: %s)\n", what, figure, goalMillis,
                figure < goalMillis ? "met" : "missed");
}

} // namespace bench
